#!/usr/bin/env bash
# The main job: sets the machine up, builds the plug-in and the host, and runs
# the demo publication script through bxhost under Wine.
#
#   scripts/run.sh                  # runs examples/demo.txt
#   scripts/run.sh SCRIPT [--vars]  # runs another script (paths from the checkout's root)
#   scripts/run.sh --list [--markdown]   # prints the catalogue the plug-in declares
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=${QPU_BUILD:-build}
scripts/setup.sh >/dev/null
QPU_NATIVE=0 scripts/build.sh >/dev/null
plugin="$root/win/qpUtilR.bxr"
if [ "${1:-}" = --list ]; then
  shift
  exec scripts/with-wine.sh wine "$root/win/bxhost.exe" --list "$@" "$plugin"
fi
script=${1:-examples/demo.txt}
[ $# -gt 0 ] && shift
exec scripts/with-wine.sh wine "$root/win/bxhost.exe" "$@" "$plugin" "$script"
