#!/bin/sh
# Regenerates resources/data/newton.avi from our ring model: frames rendered
# by lumivista-newton-frames, encoded as MJPEG 4:2:0 (needs ffmpeg).
set -eu
cd "$(dirname "$0")/.."
build="${1:-build}"
ninja -C "$build" lumivista-newton-frames
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT
QT_QPA_PLATFORM=offscreen "$build/bin/lumivista-newton-frames" "$frames" 96
ffmpeg -y -loglevel error -framerate 16 -i "$frames/frame%04d.png" -c:v mjpeg -q:v 7 \
    -pix_fmt yuvj420p -an resources/data/newton.avi
ls -l resources/data/newton.avi
