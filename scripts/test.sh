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
echo "== a screen capture opens in an ordinary image reader (ImageMagick)"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
printf 'qpScreenShot "Z:%s\\shot.bmp" "Shot"\nPrint "capture: [Shot]"\n' "$(echo "$shots" | tr / '\\')" >"$shots/shot.txt"
scripts/with-wine.sh timeout 300 wine "$root/win/bxhost.exe" "$root/win/qpUtilR.bxr" "$shots/shot.txt"
format=$(identify -format '%m %w %h' "$shots/shot.bmp")
echo "identify: $format"
case "$format" in BMP*" 1024 768") ;; *) echo "the captured bitmap does not read as a 1024x768 BMP" >&2; exit 1 ;; esac
echo "== fuzzers (short runs; scripts/fuzz.sh --long for ten minutes each)"
QPU_FUZZ_SECONDS=${QPU_FUZZ_SECONDS:-10} scripts/fuzz.sh
echo "== benchmarks (one pass on 1 KiB: they must build and run; figures come from scripts/bench-compare.py)"
"$root/native/qpu_bench" --benchmark_filter='/1024$' --benchmark_min_time=0.001 >/dev/null
python3 scripts/bench-compare.py --quick --bench "$root/native/qpu_bench" >/dev/null
