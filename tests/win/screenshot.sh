#!/usr/bin/env bash
# Drives the workbench as a user would: it opens a network file named on the
# command line, loads a training set through the menu accelerator, the
# "Training Set Info" dialog and the file chooser, trains to the end, and
# photographs the screen. The picture is kept as
# BUILD/screenshots/main-window.png; the test passes when the mse chart at
# the bottom of the screen holds the colours of the current and best series.
#
# Arguments: the path of Tessarion.exe (the build folder is its folder);
# further arguments are ignored.
set -euo pipefail

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

# shellcheck source=lib/desktop.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1" main-window
cli="$build/tessarion-cli.exe"

# A noisy regression set: the same inputs with different targets keep the
# error above the goal, so the run lasts all its epochs and ends on the
# chart's scale.
awk 'BEGIN {
  srand(7);
  for (i = 0; i < 200; ++i) {
    x = (i % 40) / 40.0; y = int(i / 40) / 5.0;
    printf "%.4f,%.4f,%.4f\r\n", x, y, sin(6.28 * x) * y + (rand() - 0.5) * 0.4;
  }
}' >"$work/noisy.csv"
set_path=$(winepath -w "$work/noisy.csv" 2>/dev/null)
net_path=$(winepath -w "$work/noisy.tsn" 2>/dev/null)

"$wine_run" "$cli" net-new "$net_path" --inputs 2 --hidden1 12 --outputs 1 --act1 tanh --out-act linear \
  --scale-from "$set_path" >/dev/null || fail "tessarion-cli could not write the network"
[ -s "$work/noisy.tsn" ] || fail "no network file"

start_program "$net_path"

base="Tessarion - noisy.tsn"
main=$(wait_for_window "^$base\$" 60) || fail "the network named on the command line did not open"

# Load Training Set: the layout dialog is confirmed as it is, the chooser
# gets the path typed into its name field.
focus "$main"
xdotool key ctrl+l
info=$(wait_for_window "^Training Set Info\$" 20) || fail "no Training Set Info dialog"
focus "$info"
xdotool key Return
chooser=$(wait_for_window "^Select the Training Set file\$" 20) || fail "no file chooser"
focus "$chooser"
xdotool type --delay 20 "$set_path"
sleep 0.3
xdotool key Return
for _ in $(seq 1 50); do
  if ! xdotool search --onlyvisible --name "^Select the Training Set file\$" >/dev/null 2>&1; then break; fi
  sleep 0.2
done
focus "$main"

# Start, and wait for the title to show the run and then return to the
# network's name.
xdotool key F5
seen_run=""
for _ in $(seq 1 900); do
  title=$(title_of "$main")
  if [ "$title" != "$base" ]; then seen_run=yes; fi
  if [ -n "$seen_run" ] && [ "$title" = "$base" ]; then break; fi
  sleep 0.2
done
[ -n "$seen_run" ] || fail "training did not start (title stayed '$base')"
[ "$(title_of "$main")" = "$base" ] || fail "training did not end (title '$(title_of "$main")')"
sleep 1

shot="$shots/main-window.png"
import -window root "$shot"

# The chart fills the screen below the dashboard (whose labels may be
# green too): count the series' colours there. The best series is drawn
# last and covers the current one where they agree.
histogram=$(convert "$shot" -crop 1280x424+0+600 +repage -format %c histogram:info:-)
count_of() {
  echo "$histogram" | awk -v c="$1" '$0 ~ c { sub(":", "", $1); total += $1 } END { print total + 0 }'
}
init=$(count_of "#800000")
current=$(count_of "#005AFF")
best=$(count_of "#00FF00")
echo "screenshot: $shot (pixels of the init series $init, current $current, best $best)"
[ "$best" -gt 0 ] || fail "the best-mse series is not on the chart"
[ $((init + current)) -gt 0 ] || fail "neither the init nor the current series is on the chart"
