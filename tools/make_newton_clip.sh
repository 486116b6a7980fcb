#!/bin/sh
# Regenerates resources/data/newton.avi from our ring model: frames rendered
# by lumivista-newton-frames, encoded as MJPEG 4:2:0 (needs ffmpeg). With
# "en" it makes the English clip, resources/data/en/newton.avi.
#
#   tools/make_newton_clip.sh [BUILD_DIR] [en]
set -eu
cd "$(dirname "$0")/.."
build="${1:-build}"
language="${2:-}"
out=resources/data/newton.avi
[ "$language" = en ] && out=resources/data/en/newton.avi && mkdir -p resources/data/en
ninja -C "$build" lumivista-newton-frames
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT
QT_QPA_PLATFORM=offscreen "$build/bin/lumivista-newton-frames" "$frames" 96 $language
ffmpeg -y -loglevel error -framerate 16 -i "$frames/frame%04d.png" -c:v mjpeg -q:v 7 \
    -pix_fmt yuvj420p -an "$out"
ls -l "$out"
