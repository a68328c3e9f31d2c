# Shared by the end-to-end tests: a private X server with a window manager, and helpers
# that wait for what the player would wait for. Source it; it cleans up on exit.

work_dir=$(mktemp -d)
x_pid=""
wm_pid=""

end_x_session() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$x_pid" ] && kill "$x_pid" 2>/dev/null
  rm -rf "$work_dir"
}
trap end_x_session EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "display $DISPLAY; windows:" >&2
  xdotool search --name . 2>/dev/null | while read -r w; do echo " $w $(xdotool getwindowname "$w")"; done >&2
  if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
    import -window root "$work_dir/../e2e-failure.png" 2>/dev/null &&
      echo "screen at failure: $work_dir/../e2e-failure.png" >&2
  fi
  exit 1
}

# wait_for SECONDS DESCRIPTION COMMAND...: runs COMMAND until it succeeds.
wait_for() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || fail "timed out waiting for $what"
    sleep 0.1
  done
}

start_x_session() {
  # -displayfd picks a free display number and tells it when the server is ready.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work_dir/display" 2>/dev/null &
  x_pid=$!
  wait_for 20 "the X server" test -s "$work_dir/display"
  export DISPLAY=":$(cat "$work_dir/display")"
  XDG_CONFIG_HOME="$work_dir" openbox >/dev/null 2>&1 &
  wm_pid=$!
  wait_for 20 "the window manager" window_manager_running
}

# xprop succeeds also when the property is missing: look for the window it names.
window_manager_running() {
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# window_named NAME: the id of the visible window whose title is exactly NAME.
window_named() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

window_exists() { [ -n "$(window_named "$1")" ]; }

# click_in_window WINDOW X Y: a left click at pixel (X, Y) of the window's client area.
click_in_window() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# exercise_window: the id of the visible exercise window (any of the program's windows but
# the menu and the welcome message).
exercise_window() {
  local window name
  for window in $(xdotool search --onlyvisible --class denkfalke 2>/dev/null); do
    name=$(xdotool getwindowname "$window")
    [ "$name" = "Denkfalke 07" ] || [ "$name" = "WARNUNG!!!" ] || { echo "$window"; return 0; }
  done
  return 1
}

no_exercise_window() { ! exercise_window; }

# Pixels of a dialog-unit position (4 units across are 6 px, 8 units down are 13 px).
du_x() { echo $((($1 * 6 + 2) / 4)); }
du_y() { echo $((($1 * 13 + 4) / 8)); }

# click_du WINDOW X Y W H: a left click in the middle of a control placed in dialog units.
click_du() {
  click_in_window "$1" $(($(du_x "$2") + $(du_x "$4") / 2)) $(($(du_y "$3") + $(du_y "$5") / 2))
}

# click_close_box WINDOW: a left click on the close box of the window manager's title bar.
click_close_box() {
  local frame frame_x frame_y frame_width client_y title_height
  frame=$(xwininfo -id "$1" -tree | awk '/Parent window id/ {print $4}')
  eval "$(xwininfo -id "$frame" | awk '/Absolute upper-left X/ {print "frame_x=" $4}
                                       /Absolute upper-left Y/ {print "frame_y=" $4}
                                       /Width:/ {print "frame_width=" $2}')"
  client_y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
  title_height=$((client_y - frame_y))
  # The close box is the rightmost button of the title bar.
  xdotool mousemove $((frame_x + frame_width - title_height / 2 - 2)) $((frame_y + title_height / 2)) click 1
}
