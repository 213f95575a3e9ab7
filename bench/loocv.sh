#!/usr/bin/env bash
# Leave-one-out cross-validation of an iris classifier (150 rows, 4 inputs, 8
# Tanh hidden units, 3 classes), whole process, side by side in one run with
# the peers doing the same work: scikit-learn's MLPClassifier (lbfgs) under
# LeaveOneOut, and FANN (fann_iris). Tessarion runs the 4:8T:3S network and
# the same with a Tanh output layer (4:8T:3T), with the settings below; with
# DEFAULTS=1 also the 4:8T:3S network with the workbench's default training
# settings (10 attempts of 25 x 100 annealing candidates: minutes per run).
# Prints one table of wall times and error counts.
#   bench/loocv.sh [REPS]
# PEERS names the folder holding the peer programs (default
# ../shared/bench/peers); the C peer is compiled under BENCH_DIR, never inside
# the repository.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
reps="${1:-3}"
peers="${PEERS:-$here/../shared/bench/peers}"
work="${BENCH_DIR:-/tmp/tessarion-bench}"
mkdir -p "$work"
"$here/scripts/build.sh" native >/dev/null
gcc -O2 -march=native -o "$work/fann_iris" "$peers/fann_iris.c" -I"$peers" -ldoublefann -lm
cli="$here/build/native/tessarion-cli"
iris="$here/examples/iris.csv"
net="$work/iris_4_8T_3S.tsn"
tanh="$work/iris_4_8T_3T.tsn"
"$cli" net-new "$net" --inputs 4 --hidden1 8 --act1 tanh --outputs 3 --style classifier --scale-from "$iris"
"$cli" net-new "$tanh" --inputs 4 --hidden1 8 --act1 tanh --outputs 3 --out-act tanh --style classifier \
  --scale-from "$iris"

# Three attempts of a short annealing with output-layer regression, then 20
# Levenberg-Marquardt epochs towards an mse of 0.002.
chosen=(--init anneal-regress --attempts 3 --sa-temps 10 --sa-iters 30 --method lm --epochs 20 --goal 0.002)

run() {  # label, command...: one JSON line with the wall time and the errors
  local label="$1"
  shift
  local start end out
  start=$(date +%s.%N)
  out=$("$@" 2>/dev/null)
  end=$(date +%s.%N)
  local errors
  errors=$(printf '%s\n' "$out" | /usr/bin/python3 -c '
import json, re, sys
text = sys.stdin.read()
m = re.search(r"Errors = (\d+)", text)
print(m.group(1) if m else json.loads(text.strip().splitlines()[-1])["loo_errors"])')
  echo "{\"who\": \"$label\", \"wall_s\": $(echo "$end - $start" | bc), \"errors\": $errors}"
}

export OMP_NUM_THREADS=1 OPENBLAS_NUM_THREADS=1
for round in $(seq 1 "$reps"); do
  if [ "${DEFAULTS:-0}" = 1 ]; then run "tessarion 4:8T:3S defaults" "$cli" loocv "$net" "$iris" --quiet; fi
  run "tessarion 4:8T:3S chosen" "$cli" loocv "$net" "$iris" --quiet "${chosen[@]}"
  run "tessarion 4:8T:3T chosen" "$cli" loocv "$tanh" "$iris" --quiet "${chosen[@]}"
  run "sklearn lbfgs" /usr/bin/python3 "$peers/sk_iris.py" "$iris" --seed 1
  run "fann rprop" "$work/fann_iris" "$iris" --seed 1 --epochs 300
done | tee "$work/loocv_results.jsonl"

/usr/bin/python3 - "$work/loocv_results.jsonl" <<'PY'
import json, statistics, sys
rows = [json.loads(line) for line in open(sys.argv[1])]
order = []
for r in rows:
    if r["who"] not in order:
        order.append(r["who"])
print("| program | median wall s | errors (of 150) |")
print("|---|---|---|")
for who in order:
    mine = [r for r in rows if r["who"] == who]
    print("| %s | %.2f | %s |" % (who, statistics.median(r["wall_s"] for r in mine),
                                 "/".join(str(r["errors"]) for r in mine)))
PY
