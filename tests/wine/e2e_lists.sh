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
