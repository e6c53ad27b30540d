# Helpers for driving the real program with real input. Every wait is on a window title, a
# file or a process, bounded in time; there are no fixed sleeps.
set -euo pipefail

unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
export HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME" "$HOME"
quillon_pid=""

cleanup() {
  if [ -n "$quillon_pid" ] && kill -0 "$quillon_pid" 2>/dev/null; then
    kill "$quillon_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null | sed 's/^/  window: /' >&2 || true
  [ ! -s "$work/quillon.log" ] || tail -n 40 "$work/quillon.log" | sed 's/^/  program: /' >&2
  exit 1
}

start_quillon() {
  "$QUILLON_BINARY" >> "$work/quillon.log" 2>&1 &
  quillon_pid=$!
}

# A window title as an anchored xdotool --name pattern.
title_pattern() {
  printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g')"
}

# Waits until a visible window has exactly this title and prints its id.
wait_window() {
  local title=$1 deadline=$((SECONDS + 20)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "$(title_pattern "$title")" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    xdotool sleep 0.05
  done
  fail "no window titled '$title'"
}

# Waits until no visible window has this title.
wait_window_gone() {
  local title=$1 deadline=$((SECONDS + 20))
  while [ $SECONDS -lt $deadline ]; do
    if ! xdotool search --onlyvisible --name "$(title_pattern "$title")" >/dev/null 2>&1; then
      return 0
    fi
    xdotool sleep 0.05
  done
  fail "window '$title' is still there"
}

focus() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
}

keys() {
  xdotool key --clearmodifiers --delay 30 "$@"
}

type_text() {
  xdotool type --clearmodifiers --delay 20 "$1"
}

wait_file() {
  local file=$1 deadline=$((SECONDS + 20))
  while [ $SECONDS -lt $deadline ]; do
    [ -s "$file" ] && return 0
    xdotool sleep 0.05
  done
  fail "no file $file"
}

# Waits until the program ends and checks that it ended well.
wait_exit() {
  local deadline=$((SECONDS + 20)) status=0
  while [ $SECONDS -lt $deadline ]; do
    if ! kill -0 "$quillon_pid" 2>/dev/null; then
      wait "$quillon_pid" || status=$?
      quillon_pid=""
      [ "$status" -eq 0 ] || fail "the program ended with status $status"
      return 0
    fi
    xdotool sleep 0.05
  done
  fail "the program did not end"
}

expect_bytes() {
  local file=$1 expected=$2
  local actual
  actual=$(od -An -tx1 -v "$file" | tr -s ' \n' ' ')
  local wanted
  wanted=$(printf '%b' "$expected" | od -An -tx1 -v | tr -s ' \n' ' ')
  [ "$actual" = "$wanted" ] || fail "$file holds [$actual], expected [$wanted]"
}

# Types the lines of the text with Return between them: xdotool types a newline as a key Qt
# ignores.
type_lines() {
  local line first=1
  while IFS= read -r line; do
    [ "$first" = 1 ] || keys Return
    first=0
    [ -z "$line" ] || type_text "$line"
  done <<< "$1"
}

# Clicks at a position in a window's client area; without a window manager there is no frame.
click_at() {
  local window=$1 x=$2 y=$3
  xdotool mousemove --window "$window" --sync "$x" "$y" click 1
}

# Opens the menu of the bar with this Alt letter and takes the item `from_bottom` places above
# the last one (0 = the last). Counting from the bottom steps over the disabled items above,
# which keyboard navigation skips.
menu_item_from_bottom() {
  local window=$1 letter=$2 from_bottom=$3 step
  focus "$window"
  keys "alt+$letter" Up
  for ((step = 0; step < from_bottom; step++)); do keys Up; done
  keys Return
}

# Picks entry `entry` (1-based) of the focused combo box without opening its list.
choose_combo_entry() {
  local entry=$1 step
  keys Home
  for ((step = 1; step < entry; step++)); do keys Down; done
}

# Answers the open Qt file dialog titled `title`: types the full path, picks entry `entry` of
# "Files of type" (empty keeps the preselected one) and accepts. The type list is one Tab away
# from the name field; the Tab also closes the name completer's list.
answer_file_dialog() {
  local title=$1 path=$2 entry=$3 dialog
  dialog=$(wait_window "$title")
  focus "$dialog"
  keys ctrl+a
  type_text "$path"
  if [ -n "$entry" ]; then
    keys Tab
    choose_combo_entry "$entry"
  fi
  keys Return
  wait_window_gone "$title"
}

# Waits until the file holds exactly these bytes (printf %b notation), then checks them.
wait_bytes() {
  local file=$1 expected=$2 deadline=$((SECONDS + 20))
  local wanted
  wanted=$(printf '%b' "$expected" | od -An -tx1 -v)
  while [ $SECONDS -lt $deadline ]; do
    [ -f "$file" ] && [ "$(od -An -tx1 -v "$file")" = "$wanted" ] && return 0
    xdotool sleep 0.05
  done
  [ -f "$file" ] || fail "no file $file"
  expect_bytes "$file" "$expected"
}

# Waits until `file` exists and no process names `argument` on its command line any more: the
# program starts its tools detached, so their ends are seen only this way.
wait_tool_output() {
  local argument=$1 file=$2 deadline=$((SECONDS + 20)) pattern
  pattern=$(printf '%s' "$argument" | sed 's/[][\.*^$+?(){}|]/\\&/g')
  while [ $SECONDS -lt $deadline ]; do
    if [ -e "$file" ] && ! pgrep -f -- "$pattern" >/dev/null; then
      return 0
    fi
    xdotool sleep 0.05
  done
  fail "no finished $file from the tool given $argument"
}
