# Sets the tool paths in the compiler options, builds and runs a program from a new assembler
# document, then restarts and builds again with the stored paths.
source "$E2E_DIR/lib.sh"

tools="$(cd "$E2E_DIR/../../tools" && pwd)"
src="$work/src"
mkdir -p "$src"
exit_status=42
program="global _start
section .text
_start:
    mov eax, 60
    mov edi, $exit_status
    syscall"

# Positions in the client areas of the compiler options window and of the chooser.
tasm_field=(132 42)
tlink_field=(132 74)
options_ok=(348 292)
assembler_icon=(129 32)

build_and_run() {
  local main=$1
  rm -f "$src/PROG.obj" "$src/PROG"
  focus "$main"
  keys F5
  wait_tool_output "$src/PROG.asm" "$src/PROG.obj"
  focus "$main"
  keys F6
  wait_tool_output "$src/PROG.obj" "$src/PROG"
  local status=0
  "$src/PROG" || status=$?
  [ "$status" -eq "$exit_status" ] || fail "PROG ended with $status, expected $exit_status"
}

start_quillon
main=$(wait_window "Quillon - Utitled.txt")
menu_item_from_bottom "$main" c 0
options=$(wait_window "Compiler options")
click_at "$options" "${tasm_field[@]}"
type_text "$tools/tasm"
click_at "$options" "${tlink_field[@]}"
type_text "$tools/tlink"
click_at "$options" "${options_ok[@]}"
wait_window_gone "Compiler options"

focus "$main"
keys ctrl+n
chooser=$(wait_window "New")
click_at "$chooser" "${assembler_icon[@]}"
main=$(wait_window "Quillon - Untitled.asm")
wait_window_gone "New"
focus "$main"
type_lines "$program"
# The chooser narrows the save list to the assembler entry and "All files"; the first one is
# preselected and appends ".asm".
menu_item_from_bottom "$main" f 1
answer_file_dialog "Save As" "$src/PROG" ""
main=$(wait_window "Quillon - $src/PROG.asm")
wait_bytes "$src/PROG.asm" "${program//$'\n'/'\r\n'}"
build_and_run "$main"

focus "$main"
keys alt+F4
wait_exit

start_quillon
main=$(wait_window "Quillon - Utitled.txt")
focus "$main"
keys ctrl+o
answer_file_dialog "Open" "$src/PROG.asm" 1
main=$(wait_window "Quillon - $src/PROG.asm")
build_and_run "$main"

focus "$main"
keys alt+F4
wait_exit
echo "assembler road passed"
