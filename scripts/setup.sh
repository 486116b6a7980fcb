#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 (as root).
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libqt6opengl6-dev qt6-multimedia-dev qt6-svg-dev
  libglu1-mesa-dev libgl1-mesa-dri gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  qt6-translations-l10n fonts-dejavu-core fonts-paratype xvfb xauth fp-utils libbenchmark-dev clang
  libclang-rt-14-dev clang-format imagemagick locales dpkg-dev file desktop-file-utils appstream
  strace qt6-tools-dev qt6-l10n-tools)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
# A Russian locale, so that tests can show number reading ignores the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 || echo "Could not generate ru_RU.UTF-8; locale tests will skip."
fi
