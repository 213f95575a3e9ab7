#!/usr/bin/env bash
# End-to-end `tessarion-cli build` of a 65,536 x 16 set by column whose 90
# variables are all computed: the document is written with builder-new and
# builder-set, then built REPS times (the time includes loading the document
# and writing the 1,048,576 values with the CSV writer).
#   bench/builder_build.sh [REPS]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
reps="${1:-3}"
cli="$here/build/native/tessarion-cli"
work="${BENCH_DIR:-/tmp/tessarion-bench}"
mkdir -p "$work"
doc="$work/builder_bench.tsn"

"$cli" builder-new "$doc" --rows 65536 --cols 16
ops=("+" "×" "–" "÷" "MAX" ">" "MIN" "+")
for row in $(seq 1 90); do
  name=$(printf "x%02d" "$row")
  prev=$([ "$row" -gt 1 ] && printf "x%02d" $((row - 1)) || echo row)
  prev2=$([ "$row" -gt 2 ] && printf "x%02d" $((row - 2)) || echo col)
  op1=${ops[$((row % 8))]}; op2=${ops[$(((row + 3) % 8))]}; op3=${ops[$(((row + 5) % 8))]}
  case $((row % 5)) in
    0) text="$name = ( $prev $op1 col );" ;;
    1) text="$name = ( $prev $op1 0.5 ) $op2 $prev2;" ;;
    2) text="$name = ( $prev $op1 row ) $op2 ( $prev2 $op3 0.3 );" ;;
    3) text="$name = floor($prev);" ;;
    4) text="IF ( $prev )   THEN   $name = $prev2   ELSE   $name = row;" ;;
  esac
  "$cli" builder-set "$doc" --var "$row" "$text"
done
for col in $(seq 1 16); do
  "$cli" builder-set "$doc" --col "$col" "col$col = ( x$((74 + col)) + x$((60 + col)) ) × ( row – x90 );"
done

for i in $(seq 1 "$reps"); do
  start=$(date +%s.%N)
  "$cli" build "$doc" "$work/builder_out.csv"
  end=$(date +%s.%N)
  echo "build: $(echo "$end - $start" | bc) s for 65536 x 16 cells, 95,420,416 evaluations"
done
