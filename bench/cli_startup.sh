#!/usr/bin/env bash
# Times `linealidad-cli informe` on the 150-observation study against plain-report, a plain
# C++ program doing the same work (bench/cli/plain_report.cpp), from process start to exit.
# Installs hyperfine when it is missing (scripts/setup). Usage: bench/cli_startup.sh [BUILD_DIR]
# The summary line gives the ratio; run it on a quiet machine, start-up times are a few
# milliseconds and anything else running shows in them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/setup hyperfine
cmake --build "$build" --target linealidad-cli linealidad-plain-report \
  linealidad-write-large-study >/dev/null
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
study="$dir/estudio-150.w02"
"$build/bench/linealidad-write-large-study" "$study"
hyperfine --shell=none --warmup 50 --runs 1000 \
  --command-name plain-report "$build/bench/linealidad-plain-report $study" \
  --command-name linealidad-cli "$build/src/cli/linealidad-cli informe $study --decimal ."
