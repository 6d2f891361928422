#!/usr/bin/env bash
# Times the application's start-up, from process start to the first paint of its main window,
# against the same for an empty frame with an MDI area, a menu bar and a tool bar
# (bench/startup/startup_probe.cpp), offscreen or on the display given in DISPLAY.
# Installs hyperfine when it is missing (scripts/setup). Usage: bench/startup.sh [BUILD_DIR]
# The summary line gives the ratio; run it on a quiet machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/setup hyperfine
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
cmake --build "$build" --target linealidad-startup-probe >/dev/null
probe="$build/bench/linealidad-startup-probe"
hyperfine --shell=none --warmup 10 --runs 200 \
  --command-name empty-window "$probe empty" \
  --command-name linealidad "$probe app"
