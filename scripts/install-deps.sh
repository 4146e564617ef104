#!/usr/bin/env bash
# Installs the Debian packages that are missing, as root or through sudo.
#   install-deps.sh --run    what building and running the program needs
#   install-deps.sh [--test] that and what the tests, benchmarks, sanitizer and fuzz builds need
set -euo pipefail
run_packages=(g++ cmake ninja-build
              qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl1-mesa-dri
              libjpeg-dev libxlsxwriter-dev)
test_packages=(googletest libgtest-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev
               gfortran)
case "${1:---test}" in
    --run) packages=("${run_packages[@]}") ;;
    --test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
    --list-run) printf '%s\n' "${run_packages[@]}"; exit 0 ;;
    --list-test) printf '%s\n' "${run_packages[@]}" "${test_packages[@]}"; exit 0 ;;
    *) echo "usage: $0 [--run | --test | --list-run | --list-test]" >&2; exit 64 ;;
esac
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
