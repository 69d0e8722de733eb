#!/usr/bin/env bash
# Sets up, builds, lays out <build dir>/run and runs the main job there.
# Usage: ./run.sh [build dir]   (default: build)
#
# With a display (DISPLAY or WAYLAND_DISPLAY set) the main job is the front-end shadowbench, which leads
# through an exercise in its windows. Without one it is the same exercise by shadowbench-batch: the
# default tube spectrum (100 kV, 12 degrees, 2.5 mm Al, constant potential), the water phantom with the
# bone rod and the lungs, no grid, 10^6 photon histories, then the result viewer's pictures and the
# figures.
set -euo pipefail
cd "$(dirname "$0")"
build=${1:-build}

scripts/setup
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"

cd "$build/run"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./shadowbench
fi
./shadowbench-batch exercise --phantom 2 --out pictures
echo "run.sh: the pictures and their tables are in $(pwd)/pictures, the result file is $(pwd)/exercise.data"
