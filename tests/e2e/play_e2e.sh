#!/usr/bin/env bash
# End-to-end test of the real program in a real X server with a window manager, played with
# xdotool as a child would: the welcome message, the hand-off of "Zahlenstraße 3", a whole
# round of "Buchstabenstraße 1" and the close boxes.
#   play_e2e.sh BINARY            play and check
#   E2E_RECORD=1 play_e2e.sh ...  also write the expected letter cells anew (look at them!)
set -uo pipefail
binary=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x_session.sh"
expected_cells="$here/expected/letter_cells.sha256"

# Home slots 1 .. 15 of the path window, in dialog units: x y w h.
path_slots=(
  "105 90 36 25" "160 55 35 25" "320 60 35 26" "250 50 35 25" "385 85 36 25"
  "195 165 36 25" "215 95 36 24" "295 110 35 25" "350 165 35 25" "125 135 35 24"
  "270 170 35 24" "260 225 35 25" "360 210 35 24" "160 215 35 25" "385 130 36 25")

# cell_fingerprints WINDOW: one hash per slot of what its cell shows, sorted, so that the
# arrangement the round happened to take does not matter.
cell_fingerprints() {
  import -window "$1" "$work_dir/window.png"
  local slot x y w h
  for slot in "${path_slots[@]}"; do
    read -r x y w h <<<"$slot"
    convert "$work_dir/window.png" -crop "48x34+$(($(du_x "$x") + 2))+$(($(du_y "$y") + 2))" \
      +repage rgb:- | sha256sum | cut -d' ' -f1
  done | sort
}

# result_box_shown WINDOW: the white result box stands above the Start button.
result_box_shown() {
  local brightness
  brightness=$(import -window "$1" -crop "$(du_x 325)x$(du_y 85)+$(du_x 100)+$(du_y 65)" \
    -colorspace gray -format '%[fx:int(100*mean)]' info:)
  [ "$brightness" -gt 90 ]
}

start_x_session
cd "$work_dir"
"$binary" &
app_pid=$!

# The welcome message, confirmed with the keyboard.
wait_for 30 "the welcome message" window_exists "WARNUNG!!!"
xdotool windowactivate --sync "$(window_named "WARNUNG!!!")"
xdotool key --clearmodifiers Return
wait_for 10 "the welcome message to close" bash -c "! xdotool search --onlyvisible --name '^WARNUNG!!!\$'"
menu=$(window_named "Denkfalke 07")
[ -n "$menu" ] || fail "no menu window"

# "Zahlenstraße 3" hands over the one byte "5" and opens the path window.
click_du "$menu" 160 60 70 20
wait_for 10 "the path window" exercise_window
[ "$(od -An -c z.txt | tr -d ' ')" = "5" ] || fail "z.txt holds '$(od -An -c z.txt)', not the one byte 5"
click_close_box "$(exercise_window)"
wait_for 10 "the path window to close" no_exercise_window

# "Buchstabenstraße 1": Start shows the fifteen letter cells.
click_du "$menu" 5 160 80 20
wait_for 10 "the path window" exercise_window
path=$(exercise_window)
click_du "$path" 225 155 85 30
sleep 0.3  # let the cells be painted
if [ -n "${E2E_RECORD:-}" ]; then
  cell_fingerprints "$path" >"$expected_cells"
  import -window "$path" "$here/expected/letter_cells.png"
  echo "recorded $expected_cells; check expected/letter_cells.png shows A to O, then commit"
fi
[ "$(cell_fingerprints "$path")" = "$(cat "$expected_cells")" ] ||
  fail "the cells do not show the letters A to O"

# One xdotool call presses every slot in turn, each low in its cell, clear of the Start
# button that comes back when the round ends.
press_all_slots=()
for slot in "${path_slots[@]}"; do
  read -r x y w h <<<"$slot"
  press_all_slots+=(mousemove --window "$path" $(($(du_x "$x") + $(du_x "$w") / 2))
                    $(($(du_y "$y") + 34)) click 1)
done

# Each pass presses the next letter at least once.
for pass in $(seq 1 16); do
  result_box_shown "$path" && break
  [ "$pass" -lt 16 ] || fail "the round did not end"
  xdotool "${press_all_slots[@]}"
done

click_close_box "$path"
click_close_box "$menu"
wait_for 10 "the program to end" bash -c "! kill -0 $app_pid"
wait "$app_pid"
exit_code=$?
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code"
echo "play end-to-end: passed"
