#!/usr/bin/env bash
# The main job: install what is missing, build, and train a classifier on
# the bundled iris set with tessarion-cli, then classify the set's inputs
# with the trained network.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" native
cli="$here/build/native/tessarion-cli"
out="$here/build/run"
mkdir -p "$out"
"$cli" --version
"$cli" net-new "$out/iris.tsn" --inputs 4 --outputs 3 --hidden1 6 --act1 tanh --style classifier \
  --scale-from "$here/examples/iris.csv"
"$cli" info "$out/iris.tsn" | head -n 4
"$cli" train "$out/iris.tsn" "$here/examples/iris.csv" -o "$out/iris-trained.tsn" --method lm --goal 0.01 |
  tee "$out/train.txt"
grep -qx "Training Successful!" "$out/train.txt"
"$cli" prune "$here/examples/iris.csv" "$out/iris-inputs.csv" --keep 1,2,3,4
"$cli" classify "$out/iris-trained.tsn" "$out/iris-inputs.csv" "$out/iris-classes.csv"
errors=$(paste -d, <(cut -d, -f5 "$here/examples/iris.csv" | tr -d '\r') <(tr -d '\r' <"$out/iris-classes.csv") |
  awk -F, '$1 != $2 { e++ } END { print e + 0 }')
echo "Wrote $out/iris-trained.tsn; it misclassifies $errors of the 150 training cases."
