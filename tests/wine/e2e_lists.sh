# shellcheck shell=bash
# Sourced by run_e2e.sh: windhover's list files as the user may have left
# them, checked through the real program.

# hidden FILE: the file in the program folder carries the hidden attribute,
# as attrib.exe shows it.
hidden() {
    local shown
    shown=$(timeout 60 wine attrib "C:\\$INSTALL_DIR\\$1" 2>/dev/null | tr -d '\r')
    [[ ${shown:0:11} == *H* ]] || { echo "     attrib shows \"$shown\""; return 1; }
}

# A hidden allowed.txt is no missing one: its sites load and its bytes stay.
windhover_hidden_list() {
    echo "# windhover with a hidden allowed.txt"
    local sites='one.example\r\ntwo.example\r\n'
    printf '%b' "$sites" >"$(program_path Windhover/allowed.txt)"
    check "allowed.txt is made hidden" quietly timeout 60 wine attrib +h "C:\\$INSTALL_DIR\\Windhover\\allowed.txt"
    check "attrib shows it hidden" hidden 'Windhover\allowed.txt'
    launch windhover Windhover/windhover.exe
    check "the main window shows" driver wait "$WINDHOVER" "$WAIT_MS" || return
    check "the allowed list shows both sites" read_is "$WINDHOVER" @ListBox:1 "one.example|two.example"
    check "allowed.txt keeps its bytes at the start" file_is Windhover/allowed.txt "$sites"
    check "File > Exit" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover" process_ended
    check "allowed.txt keeps its bytes at the exit" file_is Windhover/allowed.txt "$sites"
    check "allowed.txt is still hidden" hidden 'Windhover\allowed.txt'
}

# same_bytes FILE COPY: the file in the program folder holds the bytes of COPY.
same_bytes() {
    cmp -s "$(program_path "$1")" "$2" || { echo "     $1 holds: $(od -An -c "$(program_path "$1")" | tr -s ' ')"; return 1; }
}

# keeping_list SCENARIO: runs the scenario, then gives allowed.txt back as
# the scenario found it, also when it stopped at a step: a list left
# unreadable would hold every later start at the box that tells so.
keeping_list() {
    local list kept=$ARTIFACTS/allowed-before-$1.txt
    list=$(program_path Windhover/allowed.txt)
    cp "$list" "$kept" 2>/dev/null || : >"$kept"
    "$1"
    end_program
    cat "$kept" >"$list"
}

# UTF-16 LE without a byte-order mark is told by its NUL bytes and loads its
# sites; a file that holds NUL bytes in any other way is refused with the
# reason, loads nothing and keeps its bytes.
windhover_unmarked_utf16_list() { keeping_list unmarked_utf16_list; }

unmarked_utf16_list() {
    echo "# windhover with allowed.txt in UTF-16 without a byte-order mark, and with a NUL byte"
    local list unmarked=$ARTIFACTS/allowed-utf16-no-mark.txt nul=$ARTIFACTS/allowed-with-nul.txt
    list=$(program_path Windhover/allowed.txt)
    printf 'one.example\r\ntwo.example\r\n' | iconv -f ASCII -t UTF-16LE >"$unmarked"
    printf 'one.example\r\n\0two.example\r\n' >"$nul"

    cat "$unmarked" >"$list"
    launch windhover-utf16 Windhover/windhover.exe
    check "the main window shows" driver wait "$WINDHOVER" "$WAIT_MS" || return
    check "the allowed list shows both sites" read_is "$WINDHOVER" @ListBox:1 "one.example|two.example"
    check "allowed.txt keeps its bytes at the start" same_bytes Windhover/allowed.txt "$unmarked"
    check "File > Exit" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover" process_ended || return
    check "allowed.txt keeps its bytes at the exit" same_bytes Windhover/allowed.txt "$unmarked"

    cat "$nul" >"$list"
    launch windhover-nul Windhover/windhover.exe
    check "a box says allowed.txt holds NUL bytes" box_names "allowed.txt: it holds NUL bytes" || return
    check "answering it" driver answer "Windhover" OK
    check "the main window shows" driver wait "$WINDHOVER" "$WAIT_MS" || return
    check "the allowed list is empty" read_is "$WINDHOVER" @ListBox:1 ""
    check "File > Exit" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover" process_ended || return
    check "allowed.txt keeps its bytes at the exit" same_bytes Windhover/allowed.txt "$nul"
}

# --- an Add or a Delete changes one line of the file as it is on disk ----------

# list_file BYTES: allowed.txt holds exactly BYTES (printf's escapes).
list_file() { printf '%b' "$1" >"$(program_path Windhover/allowed.txt)"; }
append_line() { printf '%b' "$1" >>"$(program_path Windhover/allowed.txt)"; }

# plain_start: the next start shows the main window and no help window.
plain_start() {
    quietly timeout 60 wine reg add "$SETTINGS_KEY\\Windhover\\Settings" /v showHelp /d 0 /f &&
        quietly timeout 60 wine reg add "$SETTINGS_KEY\\Windhover\\Settings" /v state /d up /f
}

# start_windhover: a plain start, as far as the main window.
start_windhover() {
    plain_start
    launch windhover Windhover/windhover.exe
    check "the main window shows" driver wait "$WINDHOVER" "$WAIT_MS"
}

# add_site TITLE SITE: types the site into the allowed box and presses Add.
add_site() { driver type "$1" @Edit:1 "$2" && driver click "$1" "$ADD_ALLOWED"; }

exit_windhover() {
    check "File > Exit" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover" process_ended
}

# tray_icons_are N: Wine's notification area shows N icons.
tray_icons_are() {
    local shown
    shown=$(driver trayicons | tr -d '\r')
    [[ $shown == "$1" ]] || { echo "     the notification area shows $shown icons, not $1"; return 1; }
}

# tray_icons_stay N: it shows N icons all through ABSENT_MS.
tray_icons_stay() {
    local end=$((SECONDS + ABSENT_MS / 1000))
    while ((SECONDS < end)); do
        tray_icons_are "$1" || return
        sleep 0.5
    done
}

# Two copies run from one folder, as "Run at startup" and a start by hand
# give: each Add goes to the file as the other left it, and the copy that
# runs on keeps its notification-area icon when the other ends.
windhover_two_copies() {
    echo "# two copies of windhover in one folder"
    local first
    list_file 'one.example\r\n'
    start_windhover || return
    first=$PROGRAM_PID
    check "the first copy's icon shows" driver wait "$TRAY" "$WAIT_MS"
    launch windhover Windhover/windhover.exe
    check "the second copy's main window shows" driver wait "$WINDHOVER#2" "$WAIT_MS" || { kill "$first"; return; }
    check "both copies' icons show" tray_icons_are 2
    check "a site added in the first copy" add_site "$WINDHOVER#1" first.example
    check "a site added in the second copy" add_site "$WINDHOVER#2" second.example
    check "allowed.txt holds both, and nothing else changed" \
        file_is Windhover/allowed.txt 'one.example\r\nfirst.example\r\nsecond.example\r\n'
    check "the second copy's list shows the file" \
        read_is "$WINDHOVER#2" @ListBox:1 "one.example|first.example|second.example"
    check "File > Exit in the first copy" driver menu "$WINDHOVER#1" "Exit"
    check "the first copy ends" timeout "$EXIT_S" tail --pid="$first" -s 0.1 -f /dev/null
    kill "$first" 2>/dev/null
    check "the second copy keeps its icon" tray_icons_stay 1
    check "its main window still shows" driver wait "$WINDHOVER" 0
    exit_windhover
    check "its icon goes with it" driver gone "$TRAY" "$WAIT_MS"
}

# An editor appends a line while windhover runs: an Add keeps it.
windhover_line_added_behind() {
    echo "# windhover with a line added to allowed.txt behind it"
    list_file 'one.example\r\n'
    start_windhover || return
    check "an editor appends a line" append_line 'edited.example\r\n'
    check "a site added" add_site "$WINDHOVER" added.example
    check "allowed.txt keeps the editor's line" \
        file_is Windhover/allowed.txt 'one.example\r\nedited.example\r\nadded.example\r\n'
    check "the list shows the file" read_is "$WINDHOVER" @ListBox:1 "one.example|edited.example|added.example"
    exit_windhover
}

# A file with LF line ends, an empty line and a comment: an Add and a
# Delete change their own line and keep every other byte.
windhover_lf_list() {
    echo "# windhover with an LF-only allowed.txt holding an empty line and a comment"
    list_file '# my sites\n\none.example\ntwo.example\n'
    start_windhover || return
    check "the list shows the comment and both sites" read_is "$WINDHOVER" @ListBox:1 "# my sites|one.example|two.example"
    check "a site added" add_site "$WINDHOVER" three.example
    check "allowed.txt gains one LF line" \
        file_is Windhover/allowed.txt '# my sites\n\none.example\ntwo.example\nthree.example\n'
    check "selecting one.example" driver select "$WINDHOVER" @ListBox:1 1
    check "Delete beside the allowed list" driver click "$WINDHOVER" "$DELETE_ALLOWED"
    check "allowed.txt loses only that line" file_is Windhover/allowed.txt '# my sites\n\ntwo.example\nthree.example\n'
    check "the list shows the file" read_is "$WINDHOVER" @ListBox:1 "# my sites|two.example|three.example"
    exit_windhover
    check "the end leaves the file as it is" file_is Windhover/allowed.txt '# my sites\n\ntwo.example\nthree.example\n'
}

# list_is_empty: the main window shows, its allowed list without an item.
list_is_empty() { driver wait "$WINDHOVER" 0 && read_is "$WINDHOVER" @ListBox:1 ""; }

# UTF-16 of odd length cannot be read whole: the start says so, an Add is
# refused with a message that names the file, and the file keeps its bytes.
windhover_unreadable_list() { keeping_list odd_utf16_list; }

odd_utf16_list() {
    echo "# windhover with a UTF-16 allowed.txt of odd length"
    local bytes='\xff\xfeo\x00n\x00e\x00\r\x00\n\x00x'
    list_file "$bytes"
    plain_start
    launch windhover Windhover/windhover.exe
    check "a box at the start names allowed.txt" box_names "$WINDOWS_FOLDER\\allowed.txt" || return
    check "answering it" driver answer "Windhover" OK
    check "the main window shows" driver wait "$WINDHOVER" "$WAIT_MS" || return
    check "the allowed list is empty" list_is_empty
    check "a site typed" driver type "$WINDHOVER" @Edit:1 new.example
    # The click's handler shows a box: the click is posted, not waited for.
    check "Add beside the allowed list" driver push "$WINDHOVER" "$ADD_ALLOWED"
    check "a box says allowed.txt is left as it is" box_names "$WINDOWS_FOLDER\\allowed.txt is left as it is"
    check "answering it" driver answer "Windhover" OK
    check "allowed.txt keeps its bytes" file_is Windhover/allowed.txt "$bytes"
    check "the allowed list is still empty" list_is_empty
    exit_windhover
    check "the end leaves the file as it is" file_is Windhover/allowed.txt "$bytes"
}
