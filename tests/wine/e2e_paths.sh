# shellcheck shell=bash
# Sourced by run_e2e.sh: windhover started from a folder whose path is longer
# than the old limit of 260 characters. The program reads its own path whole:
# its name comes from its version information, and its run-at-log-on command
# and the messages on its list files name the real folder. The file calls
# take no path that long, so each list is told and starts empty.

# long_folder: a folder under the install folder, as a path of the prefix
# relative to it, that makes the program's Windows path about 300 characters.
long_folder() {
    local folder=Deep part
    for part in 1 2 3 4 5 6 7 8; do folder+="/A folder name of thirty-two ch$part"; done
    echo "$folder"
}

# box_names PATH: within the wait, a message box titled "Windhover" names
# the path (a box just answered may still be there a moment).
box_names() {
    local said tries=0
    while ((tries++ < 40)); do
        said=$(driver message "Windhover" 2>/dev/null | tr -d '\r')
        [[ $said == *"$1"* ]] && return 0
        sleep 0.5
    done
    echo "     the box says \"$said\""
    return 1
}

windhover_long_folder() {
    echo "# windhover in a folder past the old path limit"
    local folder windows
    folder=$(long_folder)
    windows="C:\\${INSTALL_DIR//\//\\}\\${folder//\//\\}"
    echo "     its path: $windows\\windhover.exe (${#windows} characters and the name)"
    mkdir -p "$(program_path "$folder")"
    cp "$(program_path Windhover/windhover.exe)" "$(program_path "$folder")/" || { fail "windhover.exe is copied"; return; }
    check "the help window is off" quietly timeout 60 wine reg add "$SETTINGS_KEY\\Windhover\\Settings" \
        /v showHelp /d 0 /f
    check "run at log-on is stored on" quietly timeout 60 wine reg add "$SETTINGS_KEY\\Windhover\\Settings" \
        /v chkRunAtStart /d 1 /f
    launch windhover-long-folder "$folder/windhover.exe"
    check "a box names allowed.txt by its whole path" box_names "$windows\\allowed.txt" || return
    check "answering it" driver answer "Windhover" OK
    check "a box names disallowed.txt by its whole path" box_names "$windows\\disallowed.txt" || return
    check "answering it" driver answer "Windhover" OK
    check "the main window shows, named from the version information" driver wait "$WINDHOVER" "$WAIT_MS" || return
    check "no list file is made in the long folder" test ! -e "$(program_path "$folder")/allowed.txt"
    check "nor in the folder above it" test ! -e "$(program_path "${folder%/*}")/allowed.txt"
    check "the run value names the whole path" registry_value_is "$RUN_KEY" Windhover "\"$windows\\windhover.exe\"" REG_SZ
    check "File > Exit" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover" process_ended
    # The next starts run from the usual folder, without run at log-on.
    quietly timeout 60 wine reg delete "$RUN_KEY" /v Windhover /f
    quietly timeout 60 wine reg add "$SETTINGS_KEY\\Windhover\\Settings" /v chkRunAtStart /d 0 /f
}
