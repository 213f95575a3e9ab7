#!/usr/bin/env bash
# LoadCsv and SaveCsv on 1,000,000 rows x 16 columns in the "%.14f, " CRLF
# form, side by side in one run with pandas.read_csv and numpy.savetxt.
#   bench/csv_io.sh [REPS]
# PEERS names the folder holding io_bench.py (default ../shared/bench/peers).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
reps="${1:-3}"
peers="${PEERS:-$here/../shared/bench/peers}"
work="${BENCH_DIR:-/tmp/tessarion-bench}"
mkdir -p "$work"
source "$here/bench/p4_data.sh"

"$here/scripts/build.sh" native >/dev/null
echo "== tessarion"
"$here/build/native/bench/csv_io_timer" "$data" "$work/tessarion_out.csv" "$reps"
if cmp -s "$data" "$work/tessarion_out.csv"; then
  echo "{\"what\": \"round_trip\", \"identical\": true}"
else
  echo "{\"what\": \"round_trip\", \"identical\": false}"
fi
if [ -f "$peers/io_bench.py" ]; then
  echo "== pandas / numpy"
  OMP_NUM_THREADS=1 /usr/bin/python3 "$peers/io_bench.py" "$data" "$work/peers" --reps "$reps" \
    --only read_pandas,write_savetxt | /usr/bin/python3 -c '
import json, sys
for line in sys.stdin:
    r = json.loads(line)
    mb = sorted(r["mb_per_s"])[len(r["mb_per_s"]) // 2]
    print(json.dumps({"peer": r["peer"], "what": r["what"], "median_mb_per_s": round(mb, 1)}))'
fi
