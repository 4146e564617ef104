#!/usr/bin/env bash
# Runs every example, test data file, fuzz seed and fuzz regression (and the benchmark's largest
# problem) through two builds of the engine library and compares everything the runs wrote:
# report, plot data, run notes, the scratch files QKTEMP.001 and SOILDATA, debug.dat, the console
# text and the entry's result. Each input runs in the same working folder under the same path for
# both builds, with SOURCE_DATE_EPOCH fixed, so the report headers match.
#
#   tools/compare-runs.sh OLD_BIN_DIR NEW_BIN_DIR [OUT_DIR]
#
# The bin folders hold Tervane2015_DLL.so. Exit status 0 when every file is byte for byte the
# same, 1 when something differs (diff -r output is printed), 2 for a usage error.
set -euo pipefail

if [[ $# -lt 2 ]]; then
    sed -n '2,11p' "$0" >&2
    exit 2
fi
old_bin=$(realpath "$1")
new_bin=$(realpath "$2")
out=${3:-$(mktemp -d /tmp/tervane-compare-XXXXXX)}
repo=$(cd "$(dirname "$0")/.." && pwd)
export SOURCE_DATE_EPOCH=1425546247

rm -rf "$out/inputs" "$out/old" "$out/new" "$out/work"
mkdir -p "$out/inputs"
shopt -s nullglob
inputs=("$repo"/examples/*.tv5d "$repo"/tests/data/*.tv5d "$repo"/fuzz/seeds/*
        "$repo"/tests/data/fuzz-regressions/*)
for f in "${inputs[@]}"; do
    [[ $(basename "$f") == README ]] && continue
    group=$(basename "$(dirname "$f")")
    cp "$f" "$out/inputs/$group--$(basename "$f")"
done
# The benchmark's largest problem, written by its own generator.
largest_src=$(mktemp /tmp/tervane-largest-XXXXXX.cpp)
printf '#include "LargestProblem.h"\n#include <cstdio>\nint main(){auto s=bench::largestProblemDataFile();std::fwrite(s.data(),1,s.size(),stdout);}\n' \
    > "$largest_src"
g++ -std=c++20 -I"$repo/bench" "$repo/bench/LargestProblem.cpp" "$largest_src" -o "$out/largest-gen"
"$out/largest-gen" > "$out/inputs/bench--largest.tv5d"
rm -f "$largest_src"

# One run: NAMES.dat in the working folder, the library's entry called with 3 from Python.
run_one() {
    local lib=$1 input=$2 dest=$3
    local work="$out/work"
    rm -rf "$work" && mkdir -p "$work"
    cp "$input" "$work/project.tv5d"
    printf '2015.5.3\n%s\n%s\n%s\n%s\n' "$work/project.tv5d" "$work/project.tv5o" \
        "$work/project.tv5p" "$work/project.tv5r" > "$work/NAMES.dat"
    local rc=0
    (cd "$work" && timeout 60 python3 -c \
        'import ctypes, sys; sys.exit(ctypes.CDLL(sys.argv[1])._ITERVANE(3))' "$lib") \
        > "$work/console.txt" 2>&1 || rc=$?
    echo "$rc" > "$work/result.txt"
    rm -f "$work/NAMES.dat" "$work/project.tv5d"
    mkdir -p "$dest"
    mv "$work"/* "$dest"/
}

for f in "$out"/inputs/*; do
    name=$(basename "$f")
    run_one "$old_bin/Tervane2015_DLL.so" "$f" "$out/old/$name"
    run_one "$new_bin/Tervane2015_DLL.so" "$f" "$out/new/$name"
done

count=$(ls "$out/inputs" | wc -l)
files=$(find "$out/old" -type f | wc -l)
if diff -r "$out/old" "$out/new"; then
    echo "compare-runs: $count inputs, $files files: all byte for byte the same ($out)"
else
    echo "compare-runs: differences found ($out)"
    exit 1
fi
