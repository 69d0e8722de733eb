#!/usr/bin/env bash
# Sets up, builds and runs every test. Usage: ./test.sh [build dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")"
build=${1:-build}

scripts/setup
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
