#!/usr/bin/env bash
# Sets the machine up, builds everything and runs both test suites: the native
# rules under the sanitizers, then the real DLL in the test host under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=${QPU_BUILD:-build}
scripts/setup.sh >/dev/null
scripts/build.sh
echo "== native suite"
ctest --test-dir "$root/native" --output-on-failure
echo "== Windows suite (Wine)"
scripts/with-wine.sh ctest --test-dir "$root/win" --output-on-failure
