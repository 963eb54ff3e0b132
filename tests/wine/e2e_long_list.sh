# shellcheck shell=bash
# Sourced by run_e2e.sh: windhover starting with a long allowed list, and
# with an entry of a megabyte, which the driver reads back.

# The time of the start is printed; its speed is held in bench/ (the list's
# load at that size), not here.
LONG_LIST_SITES=100000

# long_list_file COUNT: an allowed list of COUNT sites, CR LF after each.
long_list_file() {
    awk -v count="$1" 'BEGIN { for (i = 1; i <= count; i++) printf "www.site%06d.example\r\n", i }'
}

# seconds_between START END: the time between two `date +%s.%N` readings.
seconds_between() { awk -v start="$1" -v end="$2" 'BEGIN { printf "%.2f", end - start }'; }

# The start is timed from the program's launch until its main window shows;
# the program starts once the watch for the window has looked, so that the
# driver's own start is not counted. The main window then has to answer: the
# allowed list reads back from its first item.
windhover_long_list() {
    echo "# windhover with $LONG_LIST_SITES allowed sites"
    local folder started ended first
    folder=$(program_path Windhover)
    long_list_file "$LONG_LIST_SITES" >"$folder/allowed.txt"
    printf '\r\n' >"$folder/disallowed.txt"
    if ! armed "$ARTIFACTS/long-list.out" driver watch "$WINDHOVER" "$WAIT_MS"; then
        fail "the watch for the main window with $LONG_LIST_SITES sites starts"
        return
    fi
    started=$(date +%s.%N)
    launch windhover-long-list Windhover/windhover.exe
    if ! wait "$WATCHER"; then
        fail "the main window shows with $LONG_LIST_SITES sites within $((WAIT_MS / 1000)) s"
        return
    fi
    ended=$(date +%s.%N)
    pass "the main window shows with $LONG_LIST_SITES sites"
    echo "     windhover started with $LONG_LIST_SITES sites in $(seconds_between "$started" "$ended") s"
    first=$(driver read "$WINDHOVER" @ListBox:1 | tr -d '\r' | head -n 1)
    check "the main window answers: the allowed list begins with the first site" \
        test "$first" = www.site000001.example
    check "File > Exit with the long list" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover with the long list" process_ended
}

# An allowed list with an entry of 1 MB between two short ones: the driver
# reads the list through its hook inside the program, and the program runs on.
windhover_long_item() {
    echo "# windhover with an allowed site of 1 MB"
    local folder read
    folder=$(program_path Windhover)
    {
        printf 'first.example\r\n'
        head -c 1048576 /dev/zero | tr '\0' x
        printf '\r\nlast.example\r\n'
    } >"$folder/allowed.txt"
    launch windhover-long-item Windhover/windhover.exe
    check "the main window shows with the long entry" driver wait "$WINDHOVER" "$WAIT_MS" || return
    read=$(driver read "$WINDHOVER" @ListBox:1 | tr -d '\r')
    check "the driver reads the list: the first site, then the long entry's beginning" \
        test "$(head -c 64 <<<"$read")" = "first.example
$(printf 'x%.0s' {1..50})"
    check "windhover runs on after the read" kill -0 "$PROGRAM_PID"
    check "File > Exit with the long entry" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover with the long entry" process_ended
}
