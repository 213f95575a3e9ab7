#!/usr/bin/env bash
# The main job: install what is missing, build, and run tessarion-cli on a
# bundled example (a CSV round trip through the reader and writer).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" native
cli="$here/build/native/tessarion-cli"
out="$here/build/run"
mkdir -p "$out"
"$cli" --version
"$cli" --help
"$cli" prune "$here/examples/iris.csv" "$out/iris-petals.csv" --keep 3,4,5
echo "Wrote $out/iris-petals.csv ($(wc -l <"$out/iris-petals.csv") rows):"
head -n 3 "$out/iris-petals.csv"
