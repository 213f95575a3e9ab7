#!/usr/bin/env bash
# Training speed side by side with the peers, in one run:
#   P1 sinc 1:10T:1L and P3 Friedman #1 10:16T:1L (data from the shared
#   generator), wall time of `tessarion-cli train` and the test RMSE in raw
#   units of the network it wrote (through `tessarion-cli simulate`), next
#   to FANN and scikit-learn's time to the same test RMSE.
#   bench/training.sh [REPS]
# PEERS names the shared bench folder (default ../shared/bench); the data go
# to TSNBENCH (default /tmp/tsnbench), the FANN peer is compiled under
# BENCH_DIR (default /tmp/tessarion-bench), never inside the repository.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
reps="${1:-3}"
peers="${PEERS:-$here/../shared/bench}"
data="${TSNBENCH:-/tmp/tsnbench}"
work="${BENCH_DIR:-/tmp/tessarion-bench}/training"
mkdir -p "$work"
export OMP_NUM_THREADS=1 OPENBLAS_NUM_THREADS=1 MKL_NUM_THREADS=1

"$here/scripts/build.sh" native >/dev/null
for f in p1_train p1_test p3_train p3_test; do
  [ -f "$data/$f.csv" ] || /usr/bin/python3 "$peers/gen_data.py" --out "$data" --only p1,p3 >/dev/null
done
fann=""
if gcc -O2 -march=native -o "$work/fann_train" "$peers/peers/fann_train.c" -I"$peers/peers" -ldoublefann -lm \
  2>/dev/null; then
  fann="$work/fann_train"
fi

CLI="$here/build/native/tessarion-cli" DATA="$data" WORK="$work" REPS="$reps" FANN="$fann" \
  PEERS_DIR="$peers/peers" /usr/bin/python3 - <<'EOF'
import json, os, statistics, subprocess, time

cli, data, work = os.environ["CLI"], os.environ["DATA"], os.environ["WORK"]
reps, fann, peers = int(os.environ["REPS"]), os.environ["FANN"], os.environ["PEERS_DIR"]


def read(path):
    rows = [list(map(float, line.split(","))) for line in open(path) if line.strip()]
    return [r[:-1] for r in rows], [r[-1] for r in rows]


def run(words):
    subprocess.run([cli] + words, check=True, stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def tessarion(problem, hidden, args):
    """Wall time of train and the test RMSE of the network it wrote."""
    train, test = f"{data}/{problem}_train.csv", f"{data}/{problem}_test.csv"
    xs, ys = read(test)
    inputs = len(xs[0])
    net, out = f"{work}/{problem}.tsn", f"{work}/{problem}_out.tsn"
    test_in, sim = f"{work}/{problem}_test_in.csv", f"{work}/{problem}_sim.csv"
    with open(test_in, "w") as f:
        f.writelines(",".join(repr(v) for v in x) + "\n" for x in xs)
    run(["net-new", net, "--inputs", str(inputs), "--outputs", "1", "--hidden1", str(hidden),
         "--act1", "tanh", "--out-act", "linear", "--scale-from", train])
    times, rmse, verdict = [], None, ""
    for _ in range(reps):
        start = time.perf_counter()
        done = subprocess.run([cli, "train", net, train, "-o", out, "--quiet"] + args, check=True,
                              stdout=subprocess.PIPE, text=True)
        times.append(time.perf_counter() - start)
        verdict = done.stdout.replace("\n", " ").strip()
        run(["simulate", out, test_in, sim])
        ps = [float(line.split(",")[0]) for line in open(sim) if line.strip()]
        rmse = (sum((p - y) ** 2 for p, y in zip(ps, ys)) / len(ys)) ** 0.5
    return times, rmse, verdict


def fmt(values):
    if not values:
        return "-"
    return "%.3g [%.3g-%.3g]" % (statistics.median(values), min(values), max(values))


rows = []
configs = [
    ("P1", "p1", 10, 0.001, ["--method", "lm", "--goal", "1e-5"], "lm, default init (10 x 25 x 100), goal 1e-5"),
    ("P1", "p1", 10, 0.001, ["--method", "lm", "--goal", "1e-5", "--attempts", "1"],
     "lm, anneal-regress 1 x 25 x 100, goal 1e-5"),
    ("P3", "p3", 16, 1.05, ["--method", "lm", "--goal", "0.044", "--attempts", "1", "--sa-temps", "2",
                            "--sa-iters", "5"],
     "lm, anneal-regress 1 x 2 x 5, goal 0.044"),
    ("P3", "p3", 16, 1.05, ["--method", "cg", "--goal", "0.044", "--epochs", "400", "--attempts", "1", "--sa-temps", "2",
                            "--sa-iters", "5"],
     "cg, anneal-regress 1 x 2 x 5, goal 0.044, 400 epochs"),
]
for label, problem, hidden, threshold, args, text in configs:
    times, rmse, verdict = tessarion(problem, hidden, args)
    reached = rmse <= threshold
    rows.append((label, "tessarion " + text, fmt(times) if reached else "not reached (%s)" % fmt(times),
                 "%.4g" % rmse, verdict))


def peer_rows(label, problem, hidden, threshold):
    train, test = f"{data}/{problem}_train.csv", f"{data}/{problem}_test.csv"
    thresholds = "%g" % threshold
    runs = []
    if fann:
        for algo, extra in (("rprop", []), ("incremental", ["--lr", "0.1" if problem == "p1" else "0.01"])):
            runs.append(("FANN " + algo, [fann, train, test, "--hidden", str(hidden), "--algo", algo] + extra))
    runs.append(("sklearn lbfgs", ["/usr/bin/python3", f"{peers}/sk_train.py", train, test, "--hidden",
                                   str(hidden), "--solver", "lbfgs"]))
    for name, words in runs:
        times, best = [], []
        try:
            for seed in (1, 2, 3):
                out = subprocess.run(words + ["--seed", str(seed), "--budgets", "0.1,1,5", "--thresholds",
                                              thresholds, "--tag", problem],
                                     check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
                r = json.loads(out.stdout.strip().splitlines()[-1])
                t = r["t_thr"].get(thresholds)
                times.append(float("inf") if t is None else t)
                best.append(r.get("best_rmse", float("nan")))
        except (subprocess.CalledProcessError, FileNotFoundError, ValueError):
            rows.append((label, name, "unavailable", "-", ""))
            continue
        finite = [t for t in times if t != float("inf")]
        shown = fmt(times) if len(finite) == 3 else "not reached (%d/3)" % len(finite)
        rows.append((label, name, shown, "%.4g" % min(best), "training time, seeds 1-3"))


peer_rows("P1", "p1", 10, 0.001)
peer_rows("P3", "p3", 16, 1.05)

print("| problem | config | s to test RMSE (P1 <= 0.001, P3 <= 1.05) | test RMSE | note |")
print("|---|---|---|---|---|")
for row in rows:
    print("| %s |" % " | ".join(row))
EOF
