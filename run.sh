#!/usr/bin/env bash
# Sets up, builds, lays out <build dir>/run and runs the main job there.
# Usage: ./run.sh [build dir]   (default: build)
#
# The main job for now: a demonstration exercise without windows. The default tube spectrum (100 kV,
# 12 degrees, 2.5 mm Al, constant potential) is computed, a 20 cm water phantom with a 34 cm field is
# ordered, and the no-grid engine runs 10^6 photon histories with both of its Enter prompts answered.
set -euo pipefail
cd "$(dirname "$0")"
build=${1:-build}

scripts/setup
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"

cd "$build/run"
./shadowbench-batch spectrum
printf '01\r\n20.0\r\n34.0\r\n00\r\n1.00E+06\r\ndemo.data\r\n' > Phantom.dat
printf '\n\n' | ./voxtrace_nogrid
echo "run.sh: result file $(pwd)/demo.data"
