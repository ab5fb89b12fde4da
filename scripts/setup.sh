# shellcheck shell=bash disable=SC2034
# Shared by ./run, ./test and the package script: installs the Debian packages a step
# needs and configures and builds the project. Sourced, not run. Installing needs root
# or sudo; where everything is installed already, neither is asked for.

# What ./run needs to build and start the two programs.
quorvel_run_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libjpeg-dev
    fonts-liberation qt6-translations-l10n
)

# What only the tests and benchmarks need (./test): the test frameworks, the virtual
# X display and its tools for the window tests, poppler for the printing tests and the
# desktop-file and AppStream validators.
quorvel_test_packages=(
    libgtest-dev googletest libbenchmark-dev
    xvfb xauth x11-utils libx11-dev poppler-utils
    desktop-file-utils appstream
)

# What `cpack -G DEB` needs to find the package's dependencies (dpkg-shlibdeps).
quorvel_package_packages=(
    file dpkg-dev
)

# quorvel_install_packages PACKAGE...: installs those of the packages not installed yet.
quorvel_install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Installing packages needs root: run this as root, install sudo, or install" >&2
            echo "them yourself: apt-get install ${missing[*]}" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Qt wants a private runtime folder (XDG_RUNTIME_DIR) and warns at every start without
# one; a bare session (env -i, su, cron, a container) has none. Makes one in a temporary
# folder that the caller removes with quorvel_remove_runtime_dir.
quorvel_runtime_dir=""
quorvel_ensure_runtime_dir() {
    [ -z "${XDG_RUNTIME_DIR:-}" ] || return 0
    quorvel_runtime_dir=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-runtime.XXXXXX")
    chmod 700 "$quorvel_runtime_dir"
    export XDG_RUNTIME_DIR="$quorvel_runtime_dir"
}
quorvel_remove_runtime_dir() {
    [ -z "$quorvel_runtime_dir" ] || rm -rf "$quorvel_runtime_dir"
}

# quorvel_build DIR [BUILD-ARGS...]; configure options may be given in QUORVEL_CMAKE_OPTIONS.
quorvel_build() {
    local build_dir="$1"
    shift
    # shellcheck disable=SC2086
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        ${QUORVEL_CMAKE_OPTIONS:-} >/dev/null
    cmake --build "$build_dir" -j "$(nproc)" "$@"
}
