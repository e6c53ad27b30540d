# Opens an existing page with the HTML entry and hands it to the composer, appends tags with its
# buttons, saves it over the page and exits; the main window then shows the page as stored.
source "$E2E_DIR/lib.sh"

site="$work/site"
mkdir -p "$site"
page='<html>\r\n<body>\r\n'
printf '%b' "$page" > "$site/page.html"
html_entry=5
all_files_entry=8
# The buttons' centres in the composer's client area, below its menu bar.
br_button=(352 36)
p_button=(288 36)

start_quillon
main=$(wait_window "Quillon - Utitled.txt")
focus "$main"
keys ctrl+o
answer_file_dialog "Open" "$site/page.html" "$html_entry"
confirm=$(wait_window "Confirm")
focus "$confirm"
keys Return
wait_window_gone "Confirm"

composer=$(wait_window "Tagloom")
menu_item_from_bottom "$composer" f 1
answer_file_dialog "Save As" "$site/handed" ""
composer=$(wait_window "Tagloom - $site/handed.html")
wait_bytes "$site/handed.html" "$page"

click_at "$composer" "${br_button[@]}"
click_at "$composer" "${p_button[@]}"
menu_item_from_bottom "$composer" f 1
# The composer appends ".html" to the name as typed, so the dialog sees no file to replace.
answer_file_dialog "Save As" "$site/page" ""
composer=$(wait_window "Tagloom - $site/page.html")
stored="$page"'<br>\r\n<p align=>\r\n'
wait_bytes "$site/page.html" "$stored"

focus "$composer"
keys alt+F4
wait_window_gone "Tagloom - $site/page.html"
main=$(wait_window "Quillon - $site/page.html")
menu_item_from_bottom "$main" f 1
answer_file_dialog "Save As" "$site/shown" "$all_files_entry"
wait_window "Quillon - $site/shown" > /dev/null
wait_bytes "$site/shown" "$stored"

focus "$main"
keys alt+F4
wait_exit
echo "html road passed"
