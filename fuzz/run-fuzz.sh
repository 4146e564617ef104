#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given time, one after the other, with
# one job (the build machine is shared). The fuzzer runs in fork mode with a single worker, so a
# finding is saved and the run goes on to the end of its time.
#   fuzz/run-fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# The corpus grows in build-fuzz/corpus/TARGET/ and is kept between runs, so a later run goes on
# from where the last one stopped. Findings land in build-fuzz/findings/TARGET/; copy each
# reproducer into tests/data/fuzz-regressions/ so that the test suite replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_analysis_run fuzz_free_reader)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTERVANE_FUZZ=ON -DTERVANE_FRONTEND=OFF -DTERVANE_TESTS=OFF >/dev/null
cmake --build build-fuzz -j 2 --target "${targets[@]}"
for t in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$t
    findings=build-fuzz/findings/$t
    mkdir -p "$corpus" "$findings"
    # Seeds: the curated seeds (one valid project per load option, p-y option, soil type and unit
    # system), the example projects, the test data files and earlier findings.
    cp -n fuzz/seeds/*.tv5d examples/*.tv5d tests/data/*.tv5d tests/data/fuzz-regressions/* \
        "$corpus"/ 2>/dev/null || true
    rm -f "$corpus/README"
    echo "== $t for ${seconds}s"
    build-fuzz/bin/$t "$corpus" -dict=fuzz/tervane.dict -max_total_time="$seconds" -timeout=5 \
        -rss_limit_mb=2048 -max_len=8192 -close_fd_mask=1 -fork=1 -ignore_crashes=1 \
        -ignore_timeouts=1 -ignore_ooms=1 -artifact_prefix="$findings/" -print_final_stats=1 \
        2>&1 | tee "build-fuzz/$t.log" | grep -E '^(#[0-9]+: |stat::|==|SUMMARY|INFO: (fuzzed|exiting)|.*artifact)' || true
done
