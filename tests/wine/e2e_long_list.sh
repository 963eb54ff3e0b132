# shellcheck shell=bash
# Sourced by run_e2e.sh: windhover starting with a long allowed list, and
# with an entry of a megabyte, which the driver reads back.

LONG_LIST_SITES=100000
LONG_LIST_LIMIT_S=3    # the start of windhover with that list, to a usable main window

# long_list_file COUNT: an allowed list of COUNT sites, CR LF after each.
long_list_file() {
    awk -v count="$1" 'BEGIN { for (i = 1; i <= count; i++) printf "www.site%06d.example\r\n", i }'
}

# seconds_between START END: the time between two `date +%s.%N` readings.
seconds_between() { awk -v start="$1" -v end="$2" 'BEGIN { printf "%.2f", end - start }'; }

within_seconds() {
    awk -v taken="$1" -v limit="$2" 'BEGIN { exit !(taken <= limit) }' ||
        { echo "     took $1 s, more than $2 s"; return 1; }
}

# The start is timed from the program's launch until its main window shows;
# the watch for the window runs before the launch, so that the driver's own
# start is not counted. The main window then has to answer: the allowed
# list reads back from its first item.
windhover_long_list() {
    echo "# windhover with $LONG_LIST_SITES allowed sites"
    local folder started ended taken first
    folder=$(program_path Windhover)
    long_list_file "$LONG_LIST_SITES" >"$folder/allowed.txt"
    printf '\r\n' >"$folder/disallowed.txt"
    driver wait "$WINDHOVER" "$WAIT_MS" &
    local watch=$!
    started=$(date +%s.%N)
    launch windhover-long-list Windhover/windhover.exe
    if ! wait "$watch"; then
        fail "the main window shows with $LONG_LIST_SITES sites within $((WAIT_MS / 1000)) s"
        return
    fi
    ended=$(date +%s.%N)
    pass "the main window shows with $LONG_LIST_SITES sites"
    taken=$(seconds_between "$started" "$ended")
    echo "     windhover started with $LONG_LIST_SITES sites in $taken s"
    check "the start with $LONG_LIST_SITES sites took at most $LONG_LIST_LIMIT_S s" \
        within_seconds "$taken" "$LONG_LIST_LIMIT_S"
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
