# Starts the program, types into the main window and ends it with Alt+F4.
source "$E2E_DIR/lib.sh"

start_quillon
main=$(wait_window "Quillon - Utitled.txt")
focus "$main"
type_text "hello"
keys alt+F4
wait_exit
[ -f "$XDG_CONFIG_HOME/quillon/registry.reg" ] || fail "the settings store was not created"
grep -q 'marrowkit\\quillon\\Settings' "$XDG_CONFIG_HOME/quillon/registry.reg" || fail "no settings key"
echo "startup road passed"
