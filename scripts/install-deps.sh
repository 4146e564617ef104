#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
packages=(g++ clang cmake ninja-build googletest libgtest-dev libbenchmark-dev
          qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libjpeg-dev libxlsxwriter-dev
          xvfb xauth libgl1-mesa-dri libclang-rt-14-dev gfortran)
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
