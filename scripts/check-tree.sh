#!/usr/bin/env bash
# Fails when a committed file lies at the repository root other than the
# few that belong there, so that stray output (test-run lines, logs,
# screenshots) cannot creep in again. Files inside folders are fine.
set -euo pipefail
cd "$(dirname "$0")/.."
allowed='^(CMakeLists\.txt|README\.md|\.clang-format|\.gitignore)$'
status=0
while IFS= read -r -d '' f; do
  [[ "$f" == */* || "$f" =~ $allowed ]] && continue
  echo "tree: \"$f\" is committed at the root; it belongs in a folder or nowhere"
  status=1
done < <(git ls-files -z)
[ $status -eq 0 ] && echo "tree: fine"
exit $status
