#!/usr/bin/env bash
# Refreshes the English .ts from the sources: new texts appear unfinished,
# texts gone from the sources are dropped. Translate them (Qt Linguist or by
# hand) before committing; scripts/check-translations.sh fails otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -silent -I . -locations none -no-obsolete -source-language ru -target-language en \
  core canvas widgets shell geometric waves polarisation atomic \
  -ts "${1:-resources/translations/lumivista_en.ts}"
