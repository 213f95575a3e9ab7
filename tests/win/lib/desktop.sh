# Shared by the script tests that drive Tessarion.exe from outside, as a
# user at the keyboard would. Source it with the program's path as $1 and a
# name for the failure picture as $2; it sets program, build, here, wine_run,
# work (a temporary folder removed at exit) and shots, and defines the
# helpers below. Start the program with start_program so it is ended at exit.

program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
build=$(dirname "$program")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
wine_run="$here/scripts/wine-run.sh"
work=$(mktemp -d)
shots="$build/screenshots"
mkdir -p "$shots"
failure_picture="$shots/$2-failed.png"
program_pid=""

cleanup() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "$(basename "$0" .sh): $*" >&2
  import -window root "$failure_picture" 2>/dev/null || true
  exit 1
}

start_program() {
  "$wine_run" "$program" "$@" &
  program_pid=$!
}

# Waits up to $2 seconds for a visible window whose title matches $1;
# prints its id.
wait_for_window() {
  local id
  for _ in $(seq 1 $(($2 * 5))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

wait_until_gone() {
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  return 1
}

title_of() { xdotool getwindowname "$1" 2>/dev/null || true; }

# Keys go to the focused window, as a user's do: Wine's file chooser takes
# typing only that way.
focus() {
  xdotool windowactivate "$1" 2>/dev/null || true
  xdotool windowfocus --sync "$1"
  sleep 0.3
}

press() {
  xdotool key --delay 30 "$@"
  sleep 0.3
}

type_text() {
  xdotool type --delay 30 "$1"
  sleep 0.3
}
