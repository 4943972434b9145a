#!/usr/bin/env bash
# The main job: sets the machine up, builds the plug-in and the host, and lets
# the host load qpUtilR.bxr and print the catalogue it declares.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=${QPU_BUILD:-build}
scripts/setup.sh >/dev/null
QPU_NATIVE=0 scripts/build.sh >/dev/null
scripts/with-wine.sh wine "$root/win/bxhost.exe" --list "$root/win/qpUtilR.bxr"
