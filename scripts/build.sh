#!/usr/bin/env bash
# Builds the plug-in and the host for Windows (build/win) and, unless
# QPU_NATIVE=0, the pure rules natively with the sanitizers (build/native).
# QPU_BUILD (default build) picks another build root.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=${QPU_BUILD:-build}
jobs=$(nproc)
cmake --no-warn-unused-cli -S . -B "$root/win" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/win" -j "$jobs"
if [ "${QPU_NATIVE:-1}" != 0 ]; then
  cmake -S . -B "$root/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$root/native" -j "$jobs"
fi
