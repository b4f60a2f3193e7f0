#!/usr/bin/env bash
# Fails, naming the files, when a tracked .cpp or .h file is not formatted as
# the repository's .clang-format says. Fix one with: clang-format-14 -i FILE
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || true)
if [ -z "$format" ]; then
  echo "check-format: clang-format-14 is missing (Debian package clang-format-14)" >&2
  exit 1
fi
mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
# One run over every file; each unformatted place is reported as FILE:LINE:COL.
if ! report=$("$format" --style=file --dry-run "${files[@]}" 2>&1); then
  printf '%s\n' "$report" >&2
  exit 1
fi
mapfile -t unformatted < <(printf '%s\n' "$report" \
  | sed -n 's/^\(.*\):[0-9]*:[0-9]*: \(error\|warning\): code should be clang-formatted.*/\1/p' \
  | sort -u)
if ((${#unformatted[@]})); then
  echo "Not formatted with .clang-format (run: $format -i FILE):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "Every tracked .cpp and .h file is formatted."
