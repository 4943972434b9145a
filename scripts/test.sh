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
echo "== fuzzers (short runs; scripts/fuzz.sh --long for ten minutes each)"
QPU_FUZZ_SECONDS=${QPU_FUZZ_SECONDS:-10} scripts/fuzz.sh
echo "== benchmarks (one pass on 1 KiB: they must build and run; figures come from scripts/bench-compare.py)"
"$root/native/qpu_bench" --benchmark_filter='/1024$' --benchmark_min_time=0.001 >/dev/null
python3 scripts/bench-compare.py --quick --bench "$root/native/qpu_bench" >/dev/null
