#!/bin/sh
# Fuzzes the spectra file reader for a bounded time (seconds, default 30).
# Exits non-zero when the fuzzer finds a crash or a broken invariant.
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-30}"
out=build-fuzz
mkdir -p "$out/corpus-spectrum"
clang++ -std=c++20 -g -O1 -I. -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    waves/spectrometer/SpectrumIni.cpp tests/fuzz/fuzz_spectrum_ini.cpp -o "$out/fuzz_spectrum_ini"
cp resources/data/spectrum.ini "$out/corpus-spectrum/shipped.ini"
printf '[Spectrum]\nCount=2\n[Spectrum_1]\nTitle=A\nRange_count=1\nSource_color=000000FF\n' \
    > "$out/corpus-spectrum/small.ini"
"$out/fuzz_spectrum_ini" -max_total_time="$seconds" -max_len=4096 -artifact_prefix="$out/" \
    -print_final_stats=1 "$out/corpus-spectrum"
