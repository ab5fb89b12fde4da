# Shared by ./run and ./test: installs the Debian packages the build needs and
# configures and builds the project. Sourced, not run.

quorvel_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev googletest libbenchmark-dev
    libjpeg-dev
    fonts-liberation qt6-translations-l10n
    xvfb xauth x11-utils libx11-dev poppler-utils
    desktop-file-utils appstream
)

quorvel_install_packages() {
    local missing=()
    local package
    for package in "${quorvel_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
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
