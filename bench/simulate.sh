#!/usr/bin/env bash
# tessarion-cli simulate of a 1,000,000 x 16 CSV with a 16:32T:4L network,
# whole process, side by side in one run with the same work done by FANN's
# pipeline (fann_forward: strtod read, fann_run, "%.14f" write) and by
# pandas.read_csv + a numpy forward pass + numpy.savetxt.
#   bench/simulate.sh [REPS]
# PEERS names the folder holding fann_forward.c (default ../shared/bench/peers);
# the peer is compiled under BENCH_DIR, never inside the repository.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
reps="${1:-3}"
peers="${PEERS:-$here/../shared/bench/peers}"
work="${BENCH_DIR:-/tmp/tessarion-bench}"
mkdir -p "$work"
source "$here/bench/p4_data.sh"
net="$work/net_16_32T_4L.tsn"

"$here/scripts/build.sh" native >/dev/null
gcc -O2 -march=native -o "$work/fann_forward" "$peers/fann_forward.c" -I"$peers" -ldoublefann -lm
cli="$here/build/native/tessarion-cli"

# A 16:32T:4L Generic network with weights uniform in [-1, 1] and no scaling.
"$cli" net-new "$net" --inputs 16 --hidden1 32 --act1 tanh --outputs 4 --out-act linear
/usr/bin/python3 - "$net" <<'PY'
import struct, sys
import numpy as np
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
rng = np.random.default_rng(42)
offset = 116
for rows, cols in ((32, 17), (4, 33)):
    assert struct.unpack_from("<ii", data, offset) == (rows, cols)
    struct.pack_into("<%dd" % (rows * cols), data, offset + 8, *rng.uniform(-1, 1, rows * cols))
    offset += 8 + 8 * rows * cols
open(path, "wb").write(bytes(data))
PY

numpy_pipeline='
import sys, numpy as np, pandas as pd
X = pd.read_csv(sys.argv[1], header=None, engine="c", dtype=np.float64).to_numpy()
rng = np.random.default_rng(42)
W1, b1 = rng.uniform(-1, 1, (16, 32)), rng.uniform(-1, 1, 32)
W2, b2 = rng.uniform(-1, 1, (32, 4)), rng.uniform(-1, 1, 4)
Y = np.tanh(1.5 * (X @ W1 + b1)) @ W2 + b2
np.savetxt(sys.argv[2], Y, fmt="%.14f", delimiter=",", newline="\r\n")'

wall() {  # wall seconds of a whole command
  /usr/bin/time -f "%e" "$@" 2>&1 >/dev/null | tail -1
}
export OMP_NUM_THREADS=1 OPENBLAS_NUM_THREADS=1
for round in $(seq 1 "$reps"); do
  echo "{\"who\": \"tessarion\", \"wall_s\": $(wall "$cli" simulate "$net" "$data" "$work/sim_tessarion.csv")}"
  echo "{\"who\": \"fann\", \"wall_s\": $(wall "$work/fann_forward" "$data" "$work/sim_fann.csv" --hidden 32 --outputs 4 --compute-reps 0)}"
  echo "{\"who\": \"pandas_numpy\", \"wall_s\": $(wall /usr/bin/python3 -c "$numpy_pipeline" "$data" "$work/sim_numpy.csv")}"
done | tee "$work/simulate_results.jsonl"

/usr/bin/python3 - "$work/simulate_results.jsonl" <<'PY'
import json, statistics, sys
rows = [json.loads(line) for line in open(sys.argv[1])]
median = {w: statistics.median(r["wall_s"] for r in rows if r["who"] == w) for w in {r["who"] for r in rows}}
peer = min(median["fann"], median["pandas_numpy"])
print(json.dumps({"median_wall_s": median, "speedup_over_faster_peer": round(peer / median["tessarion"], 2)}))
PY
