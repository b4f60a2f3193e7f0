#!/usr/bin/env bash
# Runs every fuzz target (fuzz/*_fuzz.cpp) for SECONDS each, two at a time,
# built with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
# The seed corpora in fuzz/corpus/ stay small: each run grows a copy of its
# seeds in the build folder. Findings land there as crash-*, leak-* or
# timeout-* files; the summary at the end counts executions and findings.
#
#   fuzz/run-all.sh SECONDS [BUILD_DIR]
set -euo pipefail
seconds=${1:?usage: fuzz/run-all.sh SECONDS [BUILD_DIR]}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build-fuzz}

targets=()
for source in "$root"/fuzz/*_fuzz.cpp; do
  targets+=("$(basename "$source" .cpp)")
done

CXX=clang++-14 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTILEWRIGHT_FUZZ=ON -DTILEWRIGHT_TESTS=OFF -DTILEWRIGHT_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >/dev/null

run_one() {
  local target=$1 seconds=$2 root=$3 build=$4
  local work="$build/fuzz-work/$target"
  mkdir -p "$work/corpus"
  if [ -d "$root/fuzz/corpus/$target" ]; then
    cp -n "$root/fuzz/corpus/$target"/* "$work/corpus/" 2>/dev/null || true
  fi
  QT_QPA_PLATFORM=offscreen "$build/fuzz/$target" -max_total_time="$seconds" -max_len=65536 \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/" \
    "$work/corpus" >"$work/log" 2>&1 || true
}
export -f run_one
printf '%s\n' "${targets[@]}" | xargs -P 2 -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$root" "$build"

printf '%-36s %14s %9s\n' target executions findings
for target in "${targets[@]}"; do
  work="$build/fuzz-work/$target"
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/log" | grep -o '[0-9]*$' || echo "?")
  findings=$(find "$work" -maxdepth 1 -name 'crash-*' -o -maxdepth 1 -name 'leak-*' \
    -o -maxdepth 1 -name 'timeout-*' -o -maxdepth 1 -name 'oom-*' | wc -l)
  printf '%-36s %14s %9s\n' "$target" "$runs" "$findings"
done
