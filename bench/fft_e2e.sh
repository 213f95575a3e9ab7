#!/usr/bin/env bash
# `tessarion-cli fft` of a 4096 x 1024 CSV end to end, side by side in one run
# with the pandas.read_csv + numpy rfft + to_csv pipeline, then the transform
# alone (fft_bench) beside FFTW_ESTIMATE and numpy's rfft.
#   bench/fft_e2e.sh [REPS]
# SHARED_BENCH names the folder holding gen_data.py and peers/ (default
# ../shared/bench); the data and the FFTW peer's build go to BENCH_DIR.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
reps="${1:-3}"
shared="${SHARED_BENCH:-$here/../shared/bench}"
work="${BENCH_DIR:-/tmp/tsnbench}"
python=/usr/bin/python3
export OMP_NUM_THREADS=1
mkdir -p "$work/bin"
data="$work/p5_fft.csv"
[ -f "$data" ] || "$python" "$shared/gen_data.py" --only p5 --out "$work"

cmake --build --preset native -j2 --target tessarion-cli fft_bench >/dev/null
cli="$here/build/native/tessarion-cli"

seconds() { local start=$(date +%s.%N); "$@" >/dev/null; echo "$(date +%s.%N) - $start" | bc; }
median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

cli_times=() peer_times=()
for ((i = 0; i < reps; i++)); do
  cli_times+=("$(seconds "$cli" fft "$data" "$work/tessarion_spectra.csv")")
  peer_times+=("$(seconds "$python" "$shared/peers/np_fft.py" pipeline "$data" "$work/numpy_spectra.csv")")
done
cli_median=$(printf '%s\n' "${cli_times[@]}" | median)
peer_median=$(printf '%s\n' "${peer_times[@]}" | median)
echo "end to end, whole process, median of $reps:"
echo "  tessarion-cli fft            ${cli_median} s   (${cli_times[*]})"
echo "  pandas + numpy pipeline      ${peer_median} s   (${peer_times[*]})"
echo "  speed-up                     $(echo "scale=2; $peer_median / $cli_median" | bc)x"

"$python" - "$work/tessarion_spectra.csv" "$work/numpy_spectra.csv" <<'PY'
import sys
import numpy as np
ours = np.loadtxt(sys.argv[1], delimiter=",")
theirs = np.loadtxt(sys.argv[2], delimiter=",")
print(f"  largest difference between the two spectra files: {np.max(np.abs(ours - theirs)):.3g}")
PY

echo "transform alone:"
"$here/build/native/bench/fft_bench" --benchmark_filter='BM_FftLabForwardRows/real:1|BM_RealTransformInPlace' \
  --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true 2>/dev/null | grep -E "median|min"
gcc -O2 -march=native -o "$work/bin/fftw_bench" "$shared/peers/fftw_bench.c" -lfftw3 -lm
"$work/bin/fftw_bench" "$data" --reps 15 | "$python" -c '
import json, sys
r = json.loads(sys.stdin.read())
print("  FFTW_ESTIMATE plan_many r2c    median %.2f ms, min %.2f ms" % (r["estimate"]["many_s"]["median"] * 1e3, r["estimate"]["many_s"]["min"] * 1e3))'
"$python" "$shared/peers/np_fft.py" compute "$data" --reps 7 | "$python" -c '
import json, statistics, sys
r = json.loads(sys.stdin.read())
for key in ("rfft_block_s", "rfft_pack_s"):
    print("  numpy %-24s median %.2f ms, min %.2f ms" % (key, statistics.median(r[key]) * 1e3, min(r[key]) * 1e3))'
