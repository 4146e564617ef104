#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest; then builds the
# engine and model tests with the address and undefined-behaviour sanitizers and runs them too.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh --test
jobs=$(nproc)

# The build folder of ./run.sh, with the tests and benchmarks switched on.
./scripts/configure.sh -DTERVANE_TESTS=ON -DTERVANE_BENCH=ON
cmake --build build -j "$jobs"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
xvfb-run -a ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTERVANE_SANITIZE=ON \
      -DTERVANE_FRONTEND=ON -DTERVANE_BENCH=OFF
cmake --build build-asan -j "$jobs" --target test_engine test_tools \
      $(cmake --build build-asan --target help | grep -q '^test_model:' && echo test_model)
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" -L 'engine|tools|model'
