#!/usr/bin/env bash
# Configures the one build folder that ./run.sh and ./test.sh share, with the same cache entries
# whichever runs first, so that running one after the other rebuilds nothing. Further cmake
# arguments (test.sh switches the tests and benchmarks on) are passed on and then kept in the
# cache. The tests are on by default when GoogleTest is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
