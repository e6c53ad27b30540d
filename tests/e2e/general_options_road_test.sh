# Opens the general options, cancels the font dialog, presses OK and checks what the store holds
# after the program ends and that it starts again with it.
source "$E2E_DIR/lib.sh"

store="$XDG_CONFIG_HOME/quillon/registry.reg"
# Positions in the client area of the general options window.
change_font_button=(260 36)
ok_button=(221 92)
stored_values=('"Font"="Arial"' '"App state"="max"' '"Save normal text"=dword:00000000')

start_quillon
main=$(wait_window "Quillon - Utitled.txt")
menu_item_from_bottom "$main" e 0
options=$(wait_window "General options")
for value in "${stored_values[@]}"; do
  ! grep -qxF "$value" "$store" || fail "the store holds $value before OK"
done

click_at "$options" "${change_font_button[@]}"
font_dialog=$(wait_window "Select Font")
focus "$font_dialog"
keys Escape
wait_window_gone "Select Font"
wait_window "General options" > /dev/null
click_at "$options" "${ok_button[@]}"
wait_window_gone "General options"

focus "$main"
keys alt+F4
wait_exit
for value in "${stored_values[@]}"; do
  grep -qxF "$value" "$store" || fail "the store lacks $value: $(cat "$store")"
done

start_quillon
main=$(wait_window "Quillon - Utitled.txt")
focus "$main"
type_text "still here"
keys alt+F4
wait_exit
for value in "${stored_values[@]}"; do
  grep -qxF "$value" "$store" || fail "the restart lost $value"
done
echo "general options road passed"
