#!/usr/bin/env bash
# Takes the README's pictures from the real program on a private X server, driving it with real
# keys and clicks only.
# Usage: scripts/screenshots.sh [OUTPUT_DIR]      (default: docs/ of this repository)
# The binary is $QUILLON_BINARY, or build/release/app/quillon, built first when missing.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

if [ -z "${QUILLON_SCREENSHOTS_ON_XVFB:-}" ]; then
  output_dir=$(realpath -m "${1:-$root/docs}")
  if [ -z "${QUILLON_BINARY:-}" ]; then
    QUILLON_BINARY="$root/build/release/app/quillon"
    if [ ! -x "$QUILLON_BINARY" ]; then
      cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQUILLON_WERROR=OFF >/dev/null
      cmake --build "$root/build/release" -j2 --target quillon
    fi
  fi
  QUILLON_BINARY=$(realpath "$QUILLON_BINARY")
  [ -x "$QUILLON_BINARY" ] || { echo "no program at $QUILLON_BINARY" >&2; exit 1; }
  mkdir -p "$output_dir"
  export QUILLON_BINARY QUILLON_SCREENSHOTS_ON_XVFB=1
  # A fixed screen, resolution and depth, whatever display the caller has.
  exec "$root/tests/e2e/with_xvfb.sh" -screen 0 1280x1024x24 -dpi 96 -- bash "$0" "$output_dir"
fi

output_dir=$1
source "$root/tests/e2e/lib.sh"

# Nothing of the caller's desktop may change how the windows look.
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
  QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI XDG_CURRENT_DESKTOP \
  DESKTOP_SESSION GTK_THEME XDG_DATA_HOME
export LC_ALL=C.UTF-8

# Only the fonts of Debian's fonts-dejavu-core, so fonts installed beside them change nothing.
mkdir -p "$work/fonts" "$work/fontcache"
for face in DejaVuSans DejaVuSans-Bold DejaVuSansMono DejaVuSansMono-Bold DejaVuSerif \
  DejaVuSerif-Bold; do
  ln -s "/usr/share/fonts/truetype/dejavu/$face.ttf" "$work/fonts/$face.ttf"
done
cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$work/fonts</dir>
  <cachedir>$work/fontcache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
EOF
export FONTCONFIG_FILE="$work/fonts.conf"

# Writes a picture of the window without dates in it, so an unchanged window gives the same file.
snapshot() {
  import -window "$1" -strip -define png:exclude-chunks=date,time "PNG24:$2"
}

# Saves the window's picture once two captures in a row agree, so the window has finished
# painting.
capture() {
  local window=$1 name=$2 previous="$work/previous.png" current="$work/current.png" attempt
  # The pointer goes where no window is: no hover marks, no tooltips.
  xdotool mousemove 1279 1023
  # With the keyboard on the root window no caret blinks.
  xdotool windowfocus --sync "$(xwininfo -root | awk '/Window id:/ { print $4 }')"
  snapshot "$window" "$previous"
  for attempt in $(seq 40); do
    xdotool sleep 0.15
    snapshot "$window" "$current"
    if cmp -s "$previous" "$current"; then
      cp "$current" "$output_dir/$name"
      echo "$output_dir/$name"
      return 0
    fi
    mv "$current" "$previous"
  done
  fail "the window for $name kept changing for $attempt captures"
}

click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

visible_windows() {
  xdotool search --onlyvisible --pid "$quillon_pid" 2>/dev/null | wc -l
}

wait_window_count() {
  local wanted=$1 deadline=$((SECONDS + 20))
  while [ "$(visible_windows)" -ne "$wanted" ]; do
    [ $SECONDS -lt $deadline ] || fail "expected $wanted windows of the program"
    xdotool sleep 0.05
  done
}

# Picks an item of the focused control's own menu with the keyboard's Menu key and the arrows,
# waiting for the menu to open and to close again.
choose_from_context_menu() {
  local before
  before=$(visible_windows)
  keys Menu
  wait_window_count $((before + 1))
  keys "$@" Return
  wait_window_count "$before"
}

# Where the windows' controls are, in window coordinates.
assembler_icon=(129 32)
general_close_button=(301 92)
tasm_path_field=(132 42)
tlink_path_field=(132 74)
declare -A composer_button_x=([HTML]=24 [BODY]=72 [HEAD]=120 [TITLE]=168 [P]=288 [HR]=320 [BR]=352)
composer_button_y=34

press_composer_buttons() {
  local name
  for name in "$@"; do
    click "$composer" "${composer_button_x[$name]}" "$composer_button_y"
  done
}

start_quillon
main=$(wait_window "Quillon - Utitled.txt")
focus "$main"

keys ctrl+n
chooser=$(wait_window "New")
capture "$chooser" chooser.png
click "$chooser" "${assembler_icon[@]}"
wait_window "Quillon - Untitled.asm" >/dev/null
focus "$main"
for line in "global _start" "section .text" "_start:" "    mov eax, 60" "    xor edi, edi"; do
  type_text "$line"
  keys Return
done
type_text "    syscall"
capture "$main" main-window.png

# Tools -> Tagloom
focus "$main"
keys alt+t Return
composer=$(wait_window "Tagloom")
focus "$composer"
press_composer_buttons HTML HEAD TITLE
prompt=$(wait_window "Value")
focus "$prompt"
type_text "Quillon"
keys Return
wait_window_gone "Value"
focus "$composer"
# The editor's own menu holds End  BODY, End  HTML and End  HEAD.
choose_from_context_menu Up
press_composer_buttons BODY P HR BR
choose_from_context_menu Down
choose_from_context_menu Down Down
capture "$composer" composer.png
focus "$composer"
keys alt+F4
wait_window_gone "Tagloom"

# Edit -> Options, the last item
focus "$main"
keys alt+e Up Return
general=$(wait_window "General options")
capture "$general" general-options.png
click "$general" "${general_close_button[@]}"
wait_window_gone "General options"

# Compiler -> Options, the last item
focus "$main"
keys alt+c Up Return
compiler=$(wait_window "Compiler options")
click "$compiler" "${tasm_path_field[@]}"
type_text "/usr/local/bin/tasm"
click "$compiler" "${tlink_path_field[@]}"
type_text "/usr/local/bin/tlink"
capture "$compiler" compiler-options.png
