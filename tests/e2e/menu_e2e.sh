#!/usr/bin/env bash
# End-to-end test of the real program: welcome message, an exercise button, the hand-off
# file and the close box, in a real X server with a window manager, played with xdotool.
set -uo pipefail
binary=$(realpath "$1")
source "$(dirname "$0")/x_session.sh"

start_x_session
cd "$work_dir"
"$binary" &
app_pid=$!

wait_for 30 "the welcome message" window_exists "WARNUNG!!!"
welcome=$(window_named "WARNUNG!!!")
xdotool windowactivate --sync "$welcome"
xdotool key --clearmodifiers Return
wait_for 10 "the welcome message to close" bash -c "! xdotool search --onlyvisible --name '^WARNUNG!!!\$'"

menu=$(window_named "Denkfalke 07")
[ -n "$menu" ] || fail "no menu window"

# "Zahlenstraße 3" stands at 160, 60 (70 x 20 dialog units): its middle is at 292, 114 px.
click_in_window "$menu" 292 114
wait_for 10 "the hand-off file" test -s z.txt
[ "$(od -An -c z.txt | tr -d ' ')" = "5" ] || fail "z.txt holds '$(od -An -c z.txt)', not the one byte 5"

click_close_box "$menu"
wait_for 10 "the program to end" bash -c "! kill -0 $app_pid"
wait "$app_pid"
exit_code=$?
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code"
echo "menu end-to-end: passed"
