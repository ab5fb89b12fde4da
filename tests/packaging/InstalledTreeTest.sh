#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that every file is where a
# desktop expects it, and that the installed command-line tool runs.
set -euo pipefail
build_dir="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
status=0
for file in bin/quorvel bin/quorvel-sweep bin/quorvel-train share/quorvel/Help/Help.html \
            share/applications/io.github.quorvel.Quorvel.desktop \
            share/icons/hicolor/scalable/apps/io.github.quorvel.Quorvel.svg \
            share/metainfo/io.github.quorvel.Quorvel.metainfo.xml \
            share/man/man1/quorvel-sweep.1 share/man/man1/quorvel-train.1; do
    [ -f "$prefix/$file" ] || { echo "missing from the installed tree: $file"; status=1; }
done
"$prefix/bin/quorvel-sweep" --format csv >/dev/null || { echo "installed quorvel-sweep fails"; status=1; }
"$prefix/bin/quorvel-train" --version >/dev/null || { echo "installed quorvel-train fails"; status=1; }
exit $status
