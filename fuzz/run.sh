#!/usr/bin/env bash
# Runs the workbook fuzz target for a number of seconds (default 600) on the seed corpus made from
# the template fixtures; findings go to build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
fuzzer=${1:-build/fuzz/bin/xlsx_open_fuzzer}
seconds=${2:-600}
corpus=build/fuzz/corpus
mkdir -p "$corpus" build/fuzz/findings
python3 fuzz/make_seeds.py "$corpus"
"$fuzzer" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=262144 \
    -artifact_prefix=build/fuzz/findings/ -print_final_stats=1
