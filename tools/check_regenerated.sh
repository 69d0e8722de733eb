#!/usr/bin/env bash
# Regenerates the shipped data into a scratch directory and compares it byte for byte with data/.
# Usage: check_regenerated.sh PYTHON DATA_DIR SCRATCH_DIR
# Exits 77 (reported as skipped) when PYTHON cannot import xraylib and numpy.
set -euo pipefail
python=$1
data=$2
scratch=$3
tools=$(cd "$(dirname "$0")" && pwd)

if ! "$python" -c 'import xraylib, numpy' 2>/dev/null; then
  echo "SKIPPED: $python cannot import xraylib and numpy (scripts/setup-tools installs them)"
  exit 77
fi

rm -rf "$scratch"
mkdir -p "$scratch"
"$python" "$tools/gen_data.py" "$scratch"

status=0
for f in "$scratch"/*; do
  name=$(basename "$f")
  if [ ! -e "$data/$name" ]; then
    echo "generated but not shipped: $name"; status=1
  elif ! cmp -s "$f" "$data/$name"; then
    echo "differs from the shipped file: $name"; status=1
  fi
done
for f in "$data"/*; do
  name=$(basename "$f")
  [ "$name" = CMakeLists.txt ] && continue
  [ -e "$scratch/$name" ] || { echo "shipped but no longer generated: $name"; status=1; }
done
if [ $status -ne 0 ]; then
  echo "xraylib $("$python" -c 'import xraylib; print(xraylib.__version__)'); regenerate with tools/gen_data.py"
else
  echo "all $(ls "$scratch" | wc -l) files regenerate byte for byte"
fi
exit $status
