#!/usr/bin/env bash
# Runs every libFuzzer target in a fuzz build for the given number of seconds each.
set -euo pipefail
build=${1:-build/fuzz}
seconds=${2:-30}
status=0
for fuzzer in "$build"/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  echo "== $name for ${seconds}s"
  if ! "$fuzzer" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$corpus" 2>"$build/$name.log"; then
    tail -n 60 "$build/$name.log"
    status=1
  else
    grep -E '^(stat::number_of_executed_units|Done)' "$build/$name.log" || true
  fi
done
exit $status
