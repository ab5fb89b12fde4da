#!/usr/bin/env bash
# The check CPack runs on a written Debian package: a package of quorvel-sweep whose
# Depends lack one of the Qt libraries the program is linked against is refused and
# removed; with every one of them named (as dpkg-shlibdeps writes them) it is kept.
# Usage: PackageCheckTest.sh <quorvel-sweep> <QuorvelPackageCheck.cmake> <cmake>
set -euo pipefail
program="$1"
check="$2"
cmake="$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# make_package NAME DEPENDS: a package holding the program as /usr/bin/quorvel-sweep.
make_package() {
    local tree="$work/$1"
    mkdir -p "$tree/DEBIAN" "$tree/usr/bin"
    cp "$program" "$tree/usr/bin/quorvel-sweep"
    printf 'Package: quorvel\nVersion: 1.0\nArchitecture: %s\nMaintainer: %s\nDepends: %s\nDescription: %s\n' \
        "$(dpkg --print-architecture)" "Quorvel <quorvel@example.org>" "$2" "check" \
        >"$tree/DEBIAN/control"
    dpkg-deb -Znone --build "$tree" "$work/$1.deb" >/dev/null
}

# The packages holding the Qt libraries the program names, e.g. libqt6svg6.
qt_packages=()
for library in $(readelf --dynamic "$program" | grep -o 'libQt6[A-Za-z]*\.so\.6'); do
    qt_packages+=("$(dpkg-query --search "/usr/lib/*/$library" | head -n 1 | cut -d: -f1)")
done
[ ${#qt_packages[@]} -ge 3 ] || {
    echo "expected quorvel-sweep to name Qt Core, Gui and Svg, found: ${qt_packages[*]}" >&2
    exit 1
}

status=0
# Without dpkg-shlibdeps CPack writes only the project's own Depends.
make_package fonts-only "fonts-liberation"
# One Qt library missing, the others with versions and an alternative as written.
last=$((${#qt_packages[@]} - 1))
partial="fonts-liberation, libc6 (>= 2.34)"
for package in "${qt_packages[@]:0:$last}"; do partial+=", $package (>= 6.4.0) | $package-gles"; done
make_package one-missing "$partial"
# expect_refused NAME LACKING: the check refuses the package, removes it and names LACKING.
expect_refused() {
    local name="$1" lacking="$2"
    if "$cmake" -DCPACK_PACKAGE_FILES="$work/$name.deb" -P "$check" >"$work/$name.log" 2>&1; then
        echo "the package with Depends lacking $lacking ($name) was accepted" >&2
        status=1
    elif [ -e "$work/$name.deb" ]; then
        echo "the refused package ($name) was left in place" >&2
        status=1
    elif ! tr -s ' \n' '  ' <"$work/$name.log" | grep -q "lack $lacking"; then
        echo "the refusal of $name does not name $lacking:" >&2
        cat "$work/$name.log" >&2
        status=1
    fi
}
expect_refused fonts-only libqt6
expect_refused one-missing "${qt_packages[$last]}"

full="$partial, ${qt_packages[$last]} (>= 6.4.2)"
make_package complete "$full"
if ! "$cmake" -DCPACK_PACKAGE_FILES="$work/complete.deb" -P "$check" >"$work/complete.log" 2>&1 ||
    [ ! -e "$work/complete.deb" ]; then
    echo "the package naming every Qt library was refused:" >&2
    cat "$work/complete.log" >&2
    status=1
fi
exit $status
