#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "format: clang-format is missing"; exit 1; }
bad=0
while IFS= read -r f; do
  if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
    echo "format: $f needs clang-format"
    bad=1
  fi
done < <(git ls-files '*.cpp' '*.h')
[ $bad -eq 0 ] && echo "format: fine"
exit $bad
