#!/usr/bin/env bash
# Builds the Debian package of the two programs in a Release build folder of its own
# (build-release) and checks its Depends: installs what the build and CPack need
# (file and dpkg-dev for dpkg-shlibdeps) first, which needs root or sudo.
# Usage: scripts/package.sh [BUILD-FOLDER]; prints the package's path at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
quorvel_install_packages "${quorvel_run_packages[@]}" "${quorvel_package_packages[@]}"
build_dir="${1:-build-release}"
QUORVEL_CMAKE_OPTIONS="-DCMAKE_BUILD_TYPE=Release -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCHMARKS=OFF" \
    quorvel_build "$build_dir"
# CPack refuses (and removes) a package whose Depends lack the Qt libraries.
(cd "$build_dir" && cpack -G DEB)
ls "$PWD/$build_dir"/quorvel_*.deb
