#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) in build/fuzz and runs
# each one for a fixed time from its checked-in seed corpus.
#
#   scripts/fuzz.sh               every fuzzer, QPU_FUZZ_SECONDS each (default 15)
#   scripts/fuzz.sh --long        every fuzzer for 10 minutes, two jobs at a time
#   scripts/fuzz.sh split lines   only the named fuzzers
#
# New inputs that reach new code are kept in build/fuzz/corpus/<name> (the
# checked-in seeds under tests/fuzz/corpus/<name> are only read). A failing
# input is written to build/fuzz/crashes/<name>/ and the script exits non-zero.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=${QPU_BUILD:-build}/fuzz
seconds=${QPU_FUZZ_SECONDS:-15}
parallel=()
if [ "${1:-}" = "--long" ]; then
  shift
  seconds=${QPU_FUZZ_SECONDS:-600}
  parallel=(-jobs=2 -workers=2)
fi

cmake -S . -B "$root" -DQPU_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$root" --target fuzzers -j 2 >/dev/null

if [ $# -gt 0 ]; then
  names=("$@")
else
  names=()
  for f in "$root"/fuzzers/fuzz_*; do names+=("$(basename "$f" | sed 's/^fuzz_//')"); done
fi

status=0
for name in "${names[@]}"; do
  exe="$root/fuzzers/fuzz_$name"
  [ -x "$exe" ] || { echo "no fuzzer $name" >&2; status=1; continue; }
  work="$root/corpus/$name"
  crashes="$root/crashes/$name"
  mkdir -p "$work" "$crashes"
  seeds="tests/fuzz/corpus/$name"
  [ -d "$seeds" ] || seeds=""
  log="$root/fuzz_$name.log"
  printf '%-14s %4ss ... ' "$name" "$seconds"
  if "$exe" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       ${parallel[@]+"${parallel[@]}"} -print_final_stats=1 -artifact_prefix="$crashes/" \
       "$work" $seeds >"$log" 2>&1; then
    echo "clean ($(grep -ho 'stat::number_of_executed_units: *[0-9]*' "$log" "$root"/fuzz-*.log 2>/dev/null | awk '{s+=$2} END {print s+0}') runs)"
  else
    echo "FAILED, see $log and $crashes"
    tail -30 "$log" >&2
    status=1
  fi
done
exit $status
