#!/usr/bin/env bash
# Regenerates the action reference docs/actions.md from what the built plug-in
# declares (bxhost --list --markdown). The Windows suite fails while the
# checked-in file differs from the plug-in's catalogue.
#
#   scripts/gen-reference.sh        # builds first unless QPU_NO_BUILD=1
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=${QPU_BUILD:-build}
[ "${QPU_NO_BUILD:-0}" = 1 ] || QPU_NATIVE=0 scripts/build.sh >/dev/null
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
scripts/with-wine.sh timeout 300 wine "$root/win/bxhost.exe" --list --markdown "$root/win/qpUtilR.bxr" >"$tmp"
chmod 644 "$tmp"
mv "$tmp" docs/actions.md
trap - EXIT
echo "gen-reference: wrote docs/actions.md" >&2
