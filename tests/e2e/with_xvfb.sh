#!/usr/bin/env bash
# Runs a command on a private X server: with_xvfb.sh [XVFB ARGUMENTS...] -- COMMAND [ARGUMENTS...]
# Xvfb picks a free display itself and writes its number once it accepts clients, so servers
# started at the same time by other runs never race for a number.
set -euo pipefail
server_args=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  server_args+=("$1")
  shift
done
[ "${1:-}" = "--" ] || { echo "usage: with_xvfb.sh [XVFB ARGUMENTS...] -- COMMAND..." >&2; exit 2; }
shift

server_dir=$(mktemp -d)
Xvfb -displayfd 3 -nolisten tcp "${server_args[@]}" 3> "$server_dir/display" \
  > "$server_dir/log" 2>&1 &
server_pid=$!
stop_server() {
  kill "$server_pid" 2>/dev/null || true
  wait "$server_pid" 2>/dev/null || true
  rm -rf "$server_dir"
}
trap stop_server EXIT

deadline=$((SECONDS + 20))
until grep -q '^[0-9][0-9]*$' "$server_dir/display" 2>/dev/null; do
  if ! kill -0 "$server_pid" 2>/dev/null || [ $SECONDS -ge $deadline ]; then
    cat "$server_dir/log" >&2
    echo "FAIL: the X server did not start" >&2
    exit 1
  fi
  sleep 0.05
done
export DISPLAY=":$(cat "$server_dir/display")"
"$@"
