# Types a document, saves it as text and under an exact name, opens the text file again, edits it
# and saves it: Save must write the opened file, not the name of the last Save As.
source "$E2E_DIR/lib.sh"

docs="$work/docs"
mkdir -p "$docs"
text_entry=6
all_files_entry=8

start_quillon
main=$(wait_window "Quillon - Utitled.txt")
focus "$main"
type_lines $'first line\nsecond line'
# The editor starts with one empty line, which the typing leaves last.
typed='first line\r\nsecond line\r\n'

menu_item_from_bottom "$main" f 1
answer_file_dialog "Save As" "$docs/notes" "$text_entry"
main=$(wait_window "Quillon - $docs/notes.txt")
wait_bytes "$docs/notes.txt" "$typed"

menu_item_from_bottom "$main" f 1
answer_file_dialog "Save As" "$docs/copy" "$all_files_entry"
main=$(wait_window "Quillon - $docs/copy")
wait_bytes "$docs/copy" "$typed"

focus "$main"
keys ctrl+a
type_text "replaced"
keys ctrl+o
answer_file_dialog "Open" "$docs/notes.txt" "$text_entry"
main=$(wait_window "Quillon - $docs/notes.txt")
focus "$main"
keys ctrl+End
type_text "third line"
keys ctrl+s
wait_bytes "$docs/notes.txt" 'first line\r\nsecond line\r\nthird line'
expect_bytes "$docs/copy" "$typed"
[ "$(ls "$docs" | sort | tr '\n' ' ')" = "copy notes.txt " ] || fail "unexpected files: $(ls "$docs")"

focus "$main"
keys alt+F4
wait_exit
echo "file road passed"
