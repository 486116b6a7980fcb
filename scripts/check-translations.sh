#!/usr/bin/env bash
# Fails when a text of the sources has no English translation: runs lupdate
# on a copy of the .ts and counts what it finds new or unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."
ts=resources/translations/lumivista_en.ts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
scripts/update-translations.sh "$work/check.ts"
unfinished=$(grep -c 'type="unfinished"' "$work/check.ts" || true)
if [ "$unfinished" -ne 0 ]; then
  echo "Untranslated texts in $ts: $unfinished (run scripts/update-translations.sh and translate them):"
  grep -B3 'type="unfinished"' "$work/check.ts" | grep '<source>' | head -40
  exit 1
fi
if ! cmp -s "$ts" "$work/check.ts"; then
  echo "$ts is out of date with the sources: run scripts/update-translations.sh"
  diff "$ts" "$work/check.ts" | head -40
  exit 1
fi
echo "Translations complete: $(grep -c '<source>' "$ts") texts"
