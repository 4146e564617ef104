#!/usr/bin/env bash
# Installs what running needs when it is missing, builds the program, the engine library and
# tervane-run and the manuals in Release (in the build folder ./test.sh shares) and runs the main job on the
# bundled example project (copied into a temporary folder first): the desktop program when a
# display is there (DISPLAY or WAYLAND_DISPLAY set), otherwise the analysis from the command line,
# printing where the report is and its closing lines.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh --run
./scripts/configure.sh
cmake --build build -j "$(nproc)" --target Tervane2015 Tervane2015_DLL tervane-run manuals

example=${1:-examples/cantilever-sand.tv5d}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$example" "$work/"
project="$work/$(basename "$example")"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    echo "Starting the desktop program on $(basename "$example") (a copy in $work)"
    build/bin/Tervane2015 "$project"
    exit 0
fi

build/bin/tervane-run "$project"
report="${project%.*}.tv5o"
mkdir -p build/example-output
cp "${project%.*}".tv5? build/example-output/
echo
echo "Report: build/example-output/$(basename "$report")"
echo "---- closing lines of the report ----"
tail -n 30 "build/example-output/$(basename "$report")"
