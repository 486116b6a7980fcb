#!/bin/sh
# Fuzzes the lenient number reader for a bounded time (seconds, default 30).
# Exits non-zero when the fuzzer finds a crash or a broken invariant.
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-30}"
out=build-fuzz
mkdir -p "$out/corpus"
clang++ -std=c++20 -g -O1 -I. -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    core/Numbers.cpp tests/fuzz/fuzz_numbers.cpp -o "$out/fuzz_numbers"
for seed in "  12.5abc" "1e-3" "-" ",5" "5,5" "1e400" "-.5E+7x" "2147483648"; do
    printf '%s' "$seed" > "$out/corpus/$(printf '%s' "$seed" | od -An -tx1 | tr -d ' \n')"
done
"$out/fuzz_numbers" -max_total_time="$seconds" -max_len=256 -artifact_prefix="$out/" \
    -print_final_stats=1 "$out/corpus"
