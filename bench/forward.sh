#!/usr/bin/env bash
# Forward-pass throughput, rows per second over 100,000 rows, for a
# 16:32T:4L and a 10:16T:1L network: ComputeMse (bench/forward_bench.cpp)
# side by side in one run with FANN's fann_run (double precision, tanh
# hidden with steepness 1, linear output) on rows of the same shape.
#   bench/forward.sh [REPS]
# PEERS names the folder holding fann_forward.c (default ../shared/bench/peers);
# the peer is compiled under BENCH_DIR, never inside the repository.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
reps="${1:-5}"
peers="${PEERS:-$here/../shared/bench/peers}"
work="${BENCH_DIR:-/tmp/tessarion-bench}"
mkdir -p "$work"

"$here/scripts/build.sh" native >/dev/null
gcc -O2 -march=native -o "$work/fann_forward" "$peers/fann_forward.c" -I"$peers" -ldoublefann -lm

for shape in "16 32 4" "10 16 1"; do
  set -- $shape
  data="$work/forward_${1}.csv"
  [ -f "$data" ] || /usr/bin/python3 -c "
import sys, numpy as np
X = np.random.default_rng($1).uniform(-1, 1, (100000, $1))
np.savetxt(sys.argv[1], X, fmt='%.14f', delimiter=', ', newline='\r\n')" "$data"
done

for round in $(seq 1 "$reps"); do
  "$here/build/native/bench/forward_bench" --benchmark_min_time=0.5 --benchmark_format=json 2>/dev/null |
    /usr/bin/python3 -c '
import json, sys
for b in json.load(sys.stdin)["benchmarks"]:
    print(json.dumps({"who": "tessarion", "net": b["name"].split("/")[1], "rows_per_s": round(b["items_per_second"])}))'
  for shape in "16 32 4" "10 16 1"; do
    set -- $shape
    "$work/fann_forward" "$work/forward_${1}.csv" "$work/fann_out.csv" --hidden "$2" --outputs "$3" --compute-reps 3 |
      /usr/bin/python3 -c '
import json, sys
r = json.loads(sys.stdin.read())
best = min(r["compute_reps_s"] + [r["compute_s"]])
print(json.dumps({"who": "fann", "net": "net_%d_%dT_%dL" % (r["inputs"], r["hidden"], r["outputs"]),
                  "rows_per_s": round(r["rows"] / best)}))'
  done
done | tee "$work/forward_results.jsonl"

/usr/bin/python3 - "$work/forward_results.jsonl" <<'PY'
import json, statistics, sys
rows = [json.loads(line) for line in open(sys.argv[1])]
for net in sorted({r["net"] for r in rows}):
    ours = statistics.median(r["rows_per_s"] for r in rows if r["net"] == net and r["who"] == "tessarion")
    fann = statistics.median(r["rows_per_s"] for r in rows if r["net"] == net and r["who"] == "fann")
    print(json.dumps({"net": net, "tessarion_rows_per_s": ours, "fann_rows_per_s": fann, "ratio": round(ours / fann, 2)}))
PY
