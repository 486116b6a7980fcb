#!/usr/bin/env bash
# Sets up, builds (release) and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMIVISTA_TESTS=OFF >/dev/null
cmake --build build-release --target lumivista
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Lumivista is built (build-release/bin/lumivista) but there is no display to show it on." >&2
  echo "Start it from a desktop session, or under a virtual one: xvfb-run -a build-release/bin/lumivista" >&2
  exit 1
fi
exec build-release/bin/lumivista
