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

# UTF-16 LE without a byte-order mark is told by its NUL bytes and loads its
# sites; a file that holds NUL bytes in any other way is refused with the
# reason, loads nothing and keeps its bytes.
windhover_unmarked_utf16_list() {
    echo "# windhover with allowed.txt in UTF-16 without a byte-order mark, and with a NUL byte"
    local list kept=$ARTIFACTS/allowed-before-utf16.txt unmarked=$ARTIFACTS/allowed-utf16-no-mark.txt
    local nul=$ARTIFACTS/allowed-with-nul.txt
    list=$(program_path Windhover/allowed.txt)
    cp "$list" "$kept" 2>/dev/null || : >"$kept"
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
    cat "$kept" >"$list"
}
