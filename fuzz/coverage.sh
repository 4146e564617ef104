#!/usr/bin/env bash
# Measures which engine lines a corpus reaches: builds the engine and the replay driver with
# clang's source-based coverage in build-coverage/, replays every input through a whole analysis
# run and prints llvm-cov's line coverage per engine file and in total.
#   fuzz/coverage.sh [CORPUS_FOLDER_OR_FILE...]
# Without arguments it replays the fuzzer's grown corpus (build-fuzz/corpus/fuzz_analysis_run)
# when there is one, else the curated seeds, the example projects, the test data files and the
# stored regressions. The full per-line listing lands in build-coverage/coverage.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
inputs=("$@")
if [ ${#inputs[@]} -eq 0 ]; then
    if [ -d build-fuzz/corpus/fuzz_analysis_run ]; then
        inputs=(build-fuzz/corpus/fuzz_analysis_run)
    else
        inputs=(fuzz/seeds examples tests/data/fuzz-regressions tests/data/*.tv5d)
    fi
fi
# llvm-14 tools (Debian installs them with a version suffix as well)
profdata=$(command -v llvm-profdata-14 || command -v llvm-profdata)
cov=$(command -v llvm-cov-14 || command -v llvm-cov)

CC=clang CXX=clang++ cmake -S . -B build-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTERVANE_COVERAGE=ON -DTERVANE_FRONTEND=OFF -DTERVANE_TESTS=OFF >/dev/null
nice cmake --build build-coverage -j 1 --target fuzz_replay
rm -f build-coverage/replay-*.profraw
# The engine's console messages are not wanted here; the driver's summary goes to stderr-free
# stdout as its last line.
LLVM_PROFILE_FILE=build-coverage/replay-%p.profraw build-coverage/bin/fuzz_replay "${inputs[@]}" |
    tail -n 1
"$profdata" merge -sparse -o build-coverage/replay.profdata build-coverage/replay-*.profraw
sources=(engine/*.cpp engine/*.h engine/soil/*.cpp engine/soil/*.h)
"$cov" show build-coverage/bin/fuzz_replay -instr-profile=build-coverage/replay.profdata \
    "${sources[@]}" >build-coverage/coverage.txt
"$cov" report build-coverage/bin/fuzz_replay -instr-profile=build-coverage/replay.profdata \
    "${sources[@]}" | awk '
    # Keeps the file name and the three line-coverage columns of llvm-cov report.
    /^Filename/ { printf "%-44s %8s %8s %8s\n", "File", "Lines", "Missed", "Cover"; next }
    /^---/ { next }
    NF >= 13 { printf "%-44s %8s %8s %8s\n", $1, $8, $9, $10 }'
