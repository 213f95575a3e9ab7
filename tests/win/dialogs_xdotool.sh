#!/usr/bin/env bash
# Drives the Network Setup, Training Setup and annealing dialogs of the
# workbench from the keyboard, as a user would: each is opened, a refused
# value is typed and OK pressed, the error balloon must appear on screen (a
# new visible window) with the dialog staying open, then a good value is
# typed and OK closes it. What Network Setup stored is read back from its
# caption when it is opened again. Screenshots of the balloons are kept in
# BUILD/screenshots/.
#
# Arguments: the path of Tessarion.exe; further arguments are ignored.
set -euo pipefail

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

# shellcheck source=lib/desktop.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/desktop.sh" "$1" dialogs

visible_windows() { xdotool search --onlyvisible --name '.*' 2>/dev/null | wc -l; }

# Replaces the text of the focused edit field.
retype() {
  press End shift+Home
  type_text "$1"
}

# OK with a refused value: a balloon window appears and the dialog stays.
expect_balloon() {
  local dialog=$1 name=$2 before
  before=$(visible_windows)
  press Return
  sleep 0.5
  [ "$(visible_windows)" -gt "$before" ] || fail "no balloon in $name"
  xdotool search --onlyvisible --name "$dialog" >/dev/null || fail "$name closed on a refused value"
  import -window root "$shots/balloon-$name.png"
}

awk 'BEGIN { for (i = 0; i < 30; ++i) printf "%.2f,%.2f,%.2f\r\n", i / 30.0, (i % 7) / 7.0, (i % 3) / 3.0 }' \
  >"$work/set.csv"
set_path=$(winepath -w "$work/set.csv" 2>/dev/null)

start_program
main=$(wait_for_window '^Tessarion$' 60) || fail "the workbench did not start"
focus "$main"

# Network Setup: no inputs is refused; 2 inputs, 3 hidden, 1 output go in.
press ctrl+n
setup=$(wait_for_window '^Layer Network' 20) || fail "no Network Setup dialog"
focus "$setup"
retype 0
expect_balloon '^Layer Network' network-setup
retype 2
press Tab
type_text 3
press Tab Tab Tab Tab
type_text 1
caption=$(xdotool getwindowname "$setup")
case "$caption" in
  "Layer Network 2:3S:1S - Real  (Minimum no. of train. cases: "*) ;;
  *) fail "the caption did not follow the typing: $caption" ;;
esac
press Return
wait_until_gone '^Layer Network' || fail "Network Setup did not close on good values"
focus "$main"
press ctrl+n
again=$(wait_for_window '^Layer Network' 20) || fail "Network Setup did not open again"
case "$(xdotool getwindowname "$again")" in
  "Layer Network 2:3S:1S - Real"*) ;;
  *) fail "the network was not stored: $(xdotool getwindowname "$again")" ;;
esac
focus "$again"
press Escape
wait_until_gone '^Layer Network' || fail "Network Setup did not cancel"

# A training set, so that Training Setup opens.
focus "$main"
press ctrl+l
info=$(wait_for_window '^Training Set Info$' 20) || fail "no Training Set Info dialog"
focus "$info"
press Return
chooser=$(wait_for_window '^Select the Training Set file$' 20) || fail "no file chooser"
focus "$chooser"
type_text "$set_path"
press Return
wait_until_gone '^Select the Training Set file$' || fail "the file chooser did not take the path"

# Training Setup: 0 epochs is refused, 50 is taken.
focus "$main"
press ctrl+t
training=$(wait_for_window '^Training Setup$' 20) || fail "no Training Setup dialog (was the set loaded?)"
focus "$training"
press alt+e
retype 0
expect_balloon '^Training Setup$' training-setup
retype 50
press Return
wait_until_gone '^Training Setup$' || fail "Training Setup did not close on good values"

# The annealing dialog, from Training Setup: 2 temperatures are refused.
focus "$main"
press ctrl+t
training=$(wait_for_window '^Training Setup$' 20) || fail "Training Setup did not open again"
focus "$training"
press Tab space
anneal=$(wait_for_window '^Simulate Annealing Initialization$' 20) || fail "no annealing dialog"
focus "$anneal"
retype 2
expect_balloon '^Simulate Annealing Initialization$' anneal-setup
retype 25
press Return
wait_until_gone '^Simulate Annealing Initialization$' || fail "the annealing dialog did not close"
focus "$training"
press Escape
wait_until_gone '^Training Setup$' || fail "Training Setup did not cancel"
echo "dialogs: Network Setup, Training Setup and the annealing dialog driven from the keyboard"
