#!/usr/bin/env bash
# Remakes the pictures of the user's manual (docs/manual/images) from the real program, on the
# anchored sheet-pile example: the windows grabbed by tervane-screenshots under a virtual display
# (the 3-D view needs OpenGL), and the graphs as the program's own --save-graphs draws them.
# Run it from anywhere after a change to a window the manual shows; commit the pictures.
#   docs/manual/make-screenshots.sh [BUILD_DIR]       (default: build)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${1:-$root/build}"
images="$here/images"
example="$root/examples/anchored-sheet-pile-si.tv5d"

cmake --build "$build" --target tervane-screenshots Tervane2015 Tervane2015_DLL
mkdir -p "$images"
xvfb-run -a -s "-screen 0 1600x1200x24" env QT_QPA_PLATFORM=xcb \
    "$build/bin/tervane-screenshots" "$example" "$images"

# The graphs at the program's picture size (6 x 4 in), at 110 pixels per inch to stay small.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$example" "$work/"
graphs="$work/graphs"
QT_QPA_PLATFORM=offscreen "$build/bin/Tervane2015" --run --save-graphs "$graphs" --ppi 110 \
    "$work/$(basename "$example")"
for f in "$graphs"/*.png; do
    name="$(basename "$f" .png | tr '[:upper:] _' '[:lower:]--')"
    name="${name#plt}"
    cp "$f" "$images/graph-$name.png"
done
ls -l "$images"
