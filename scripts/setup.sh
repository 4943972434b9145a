#!/usr/bin/env bash
# Takes a fresh Debian 12 machine to a state where the plug-in builds and its
# tests run: the MinGW-w64 cross compilers, CMake, 32-bit Wine (through qemu
# user emulation where the kernel cannot run 32-bit programs), Xvfb, clang for
# the fuzzers, Google Benchmark and ImageMagick. Idempotent; needs root.
#
#   eval "$(scripts/setup.sh)"      # prints the environment Wine needs
#
# Progress goes to standard error; standard output carries only export lines.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
log() { echo "setup: $*" >&2; }

pkgs=(cmake make g++ g++-mingw-w64-i686-posix binutils-mingw-w64-i686 googletest
      clang libclang-rt-dev libbenchmark-dev xvfb imagemagick python3)
missing=()
for p in "${pkgs[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  log "installing ${missing[*]}"
  apt-get update -qq >&2
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi

# 32-bit Wine. On kernels that cannot execute 32-bit programs the shared set-up
# script registers qemu user emulation and builds the shim Wine needs there.
wine_setup="$here/../shared/wine/setup.sh"
if [ -x "$wine_setup" ] || [ -f "$wine_setup" ]; then
  bash "$wine_setup" "${QPU_WINE_WORK:-/var/tmp/wine-qemu}"
else
  need=()
  dpkg --print-foreign-architectures | grep -qx i386 || { dpkg --add-architecture i386; need+=(update); }
  for p in wine wine32:i386 wine64; do dpkg -s "$p" >/dev/null 2>&1 || need+=("$p"); done
  if [ ${#need[@]} -gt 0 ]; then
    apt-get update -qq >&2
    list=(); for p in "${need[@]}"; do [ "$p" = update ] || list+=("$p"); done
    [ ${#list[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${list[@]}" >&2
  fi
  echo "export WINEARCH=win32"
fi
