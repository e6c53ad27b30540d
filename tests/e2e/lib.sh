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
  exit 1
}

start_quillon() {
  "$QUILLON_BINARY" > "$work/quillon.log" 2>&1 &
  quillon_pid=$!
}

# Waits until a visible window has exactly this title and prints its id.
wait_window() {
  local title=$1 deadline=$((SECONDS + 20)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "^$(printf '%s' "$title" | sed 's/[][\.*^$+?(){}|]/\\&/g')\$" 2>/dev/null | head -n 1 || true)
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
    if ! xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; then
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

wait_exit() {
  local deadline=$((SECONDS + 20))
  while [ $SECONDS -lt $deadline ]; do
    kill -0 "$quillon_pid" 2>/dev/null || { wait "$quillon_pid" || true; quillon_pid=""; return 0; }
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
