# shellcheck shell=bash
# The helpers of the Wine run, sourced by run_e2e.sh before its scenarios:
# the checks and their count, the programs and tools in the prefix, Wine's
# desktop and server, starting and ending a program, and what the checks
# look at (windows, files, the registry).

ARTIFACTS_ROOT=$REPO/build/wine-artifacts
# Set for each width by run_width.
WIDTH=
BUILD=
ARTIFACTS=

WAIT_MS=20000         # a window to show or go
ABSENT_MS=3000        # how long a window that must not show is watched for
EXIT_S=20             # a program to end after its main window closes

passed=0
failed=0

pass() { passed=$((passed + 1)); echo "ok   - $*"; }
fail() { failed=$((failed + 1)); echo "FAIL - $*"; }

indent() { sed 's/^/       /'; }

# check NAME COMMAND...: one check, passed when the command succeeds; fails
# as the command does, so that a scenario can stop at a step it needs.
check() {
    local name=$1
    shift
    if "$@"; then pass "$name"; else fail "$name"; return 1; fi
}

# --- the programs and the tools in the prefix ---------------------------------

INSTALL_DIR="Program Files/Quillmere"

# The test programs of tests/wine/ all go to the tools folder; a step whose
# program is missing fails on its own.
install_programs() {
    local root=$WINEPREFIX/drive_c/$INSTALL_DIR
    mkdir -p "$root/Windhover/sounds" "$root/Nightjar" "$root/Tools"
    cp "$BUILD/blocker/windhover.exe" "$BUILD/blocker/Help.rtf" "$BUILD/blocker/icon.ico" \
        "$BUILD/blocker/hoticon.ico" "$root/Windhover/" &&
        cp "$BUILD/blocker/sounds/pop.wav" "$root/Windhover/sounds/" &&
        cp "$BUILD/svcstop/nightjar.exe" "$BUILD/svcstop/Help.rtf" "$root/Nightjar/" &&
        cp "$BUILD"/tests/wine/*.exe "$BUILD"/tests/wine/*.dll "$root/Tools/"
}

program_path() { echo "$WINEPREFIX/drive_c/$INSTALL_DIR/$1"; }

driver() { timeout 60 wine "$(program_path Tools/wdriver.exe)" "$@"; }
wsvc() { timeout 60 wine "$(program_path Tools/wsvc.exe)" "$@" </dev/null; }

# --- Wine's desktop -------------------------------------------------------------

# On Windows the desktop lasts as long as the session. Wine's explorer ends
# its desktop, and every window on it, a second after the wineserver counts
# no thread of another program on it; while one of explorer's own threads
# ends (an idle worker, a finished call from windhover), the count takes a
# program that runs on one thread, as nightjar does, for none. The driver
# holds the desktop with two threads of its own from each start of the
# wineserver to its end, so that it lasts as Windows' does.
HOLD_PID=
DESKTOP_PID=

hold_desktop() {
    local log=$ARTIFACTS/desktop-hold.log end=$((SECONDS + WAIT_MS / 1000))
    DESKTOP_PID=
    : >"$log"  # the background job would empty it only once it runs
    wine "$(program_path Tools/wdriver.exe)" hold >>"$log" 2>&1 </dev/null &
    HOLD_PID=$!
    while ((SECONDS < end)) && kill -0 "$HOLD_PID" 2>/dev/null; do
        DESKTOP_PID=$(tr -d '\r' <"$log" | awk '$1 == "holding" { print $2 }')
        [[ -n $DESKTOP_PID ]] && return 0
        sleep 0.2
    done
    echo "     the driver does not hold the desktop; see $log"
    return 1
}

release_desktop() {
    [[ -n $HOLD_PID ]] || return 0
    kill "$HOLD_PID" 2>/dev/null
    wait "$HOLD_PID" 2>/dev/null
    HOLD_PID=
}

# desktop_kept: the desktop's process is still the one held since the wineserver started.
desktop_kept() {
    local now
    now=$(driver desktop | tr -d '\r')
    [[ $now == "$DESKTOP_PID" ]] || { echo "     the desktop's process is $now, not $DESKTOP_PID"; return 1; }
}

# The wineserver restarted (Wine's service manager finds a service made with
# CreateService in a fresh prefix only then), and the desktop held again.
restart_held_wineserver() {
    release_desktop
    restart_wineserver persistent && hold_desktop
}

# prefix_version NAME: the Windows version the prefix reports (winxp, win7).
prefix_version() { quietly timeout 60 wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f; }

# --- starting and ending a program --------------------------------------------

PROGRAM_PID=

# launch NAME EXE: starts the program in the background, its output in a log.
launch() {
    local log=$ARTIFACTS/$1.log
    echo "--- start $2" >>"$log"
    wine "$(program_path "$2")" >>"$log" 2>&1 &
    PROGRAM_PID=$!
}

process_ended() { timeout "$EXIT_S" tail --pid="$PROGRAM_PID" -s 0.1 -f /dev/null; }

# Whatever a failed scenario left running goes before the next one starts.
end_program() {
    [[ -n $PROGRAM_PID ]] || return 0
    if kill -0 "$PROGRAM_PID" 2>/dev/null; then
        kill "$PROGRAM_PID" 2>/dev/null
        wait "$PROGRAM_PID" 2>/dev/null
    fi
    PROGRAM_PID=
}

# armed OUT COMMAND...: starts a driver command that watches the program for
# what the user does next, its output in OUT, and returns once it says
# "armed"; WATCHER is its process, for the caller to wait for. Fails, with
# the command ended, when it never watched. The command's own bound is the
# only one: the driver's start may have to wait for Wine's desktop to start.
WATCHER=
armed() {
    local out=$1
    shift
    : >"$out"
    "$@" >"$out" &
    WATCHER=$!
    until grep -q armed "$out"; do
        if ! kill -0 "$WATCHER" 2>/dev/null; then
            grep -q armed "$out" && return 0
            wait "$WATCHER"
            return 1
        fi
        sleep 0.1
    done
}

# launch_after_splash NAME EXE MAIN: starts the program; its splash, an
# untitled window of 400x240, shows and goes again once MAIN is up.
launch_after_splash() {
    # The splash is up for about a second: the program starts once the watch
    # for it has looked.
    if armed "$ARTIFACTS/splash.out" driver watch "" "$WAIT_MS" "$SPLASH_SIZE"; then
        launch "$1" "$2"
        check "the splash shows" wait "$WATCHER"
    else
        launch "$1" "$2"
        fail "the splash shows (its watch never started)"
    fi
    check "the main window \"$3\" shows" driver wait "$3" "$WAIT_MS" || return
    check "the splash goes once the main window is up" driver gone "" "$WAIT_MS" "$SPLASH_SIZE"
}

# --- what the checks look at --------------------------------------------------

SETTINGS_KEY='HKCU\Software\VB and VBA Program Settings'
# Both programs' run-at-log-on values.
RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'

# registry_value KEY NAME [TYPE]: the value's data as reg.exe shows it (a
# number as 0x...); nothing if there is none or, with TYPE (REG_SZ), if it is
# of another type. An empty NAME reads the key's default value.
registry_value() {
    local query=(/v "$2")
    [[ -n $2 ]] || query=(/ve)
    timeout 60 wine reg query "$1" "${query[@]}" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" -v type="${3:-REG_[A-Z_]*}" '
            { line = $0; sub(/^ +/, "", line) }
            name == "" && !sub(/^\([^)]*\) +/, "", line) { next }
            name != "" && index(line, name " ") != 1 { next }
            name != "" { line = substr(line, length(name) + 2); sub(/^ +/, "", line) }
            match(line, "^" type "( +|$)") { print substr(line, RLENGTH + 1); exit }'
}

# registry_value_is KEY NAME DATA [TYPE]: registry_value reads exactly DATA.
registry_value_is() {
    local actual
    actual=$(registry_value "$1" "$2" "${4:-}")
    [[ $actual == "$3" ]] || { echo "     $1 $2 is \"$actual\", not \"$3\""; return 1; }
}

# setting PRODUCT NAME: one of the program's stored settings, as registry_value.
setting() { registry_value "$SETTINGS_KEY\\$1\\Settings" "$2"; }

setting_is() { registry_value_is "$SETTINGS_KEY\\$1\\Settings" "$2" "$3"; }

check_state_is() {
    local actual
    actual=$(driver checked "$1" "$2" | tr -d '\r')
    [[ $actual == "$3" ]] || { echo "     \"$2\" on \"$1\" is \"$actual\", not \"$3\""; return 1; }
}

reg_key_absent() { ! timeout 60 wine reg query "$1" >/dev/null 2>&1; }

# read_is TITLE TARGET TEXT: the status bar's parts or the list box's items,
# joined by "|", read exactly TEXT.
read_is() {
    local actual
    actual=$(driver read "$1" "$2" | tr -d '\r' | paste -sd'|')
    [[ $actual == "$3" ]] || { echo "     $2 of \"$1\" reads \"$actual\", not \"$3\""; return 1; }
}

# file_is PATH BYTES: the file in the prefix holds exactly BYTES (printf's escapes).
file_is() {
    local path
    path=$(program_path "$1")
    [[ -f $path ]] || { echo "     no file $1"; return 1; }
    cmp -s "$path" <(printf '%b' "$2") || { echo "     $1 holds: $(od -An -c "$path" | tr -s ' ')"; return 1; }
}

# has_text TITLE TEXT: one of the window's controls reads exactly TEXT.
has_text() {
    local texts
    texts=$(driver texts "$1" | tr -d '\r')
    if ! awk -F'\t' -v text="$2" '$2 == text { found = 1 } END { exit !found }' <<<"$texts"; then
        echo "     no control of \"$1\" reads \"$2\"; it has:"
        indent <<<"$texts"
        return 1
    fi
}

# screenshot NAME TITLE: the whole display, once the program that shows
# TITLE has painted all its windows.
screenshot() {
    local file=$ARTIFACTS/$1.png
    driver settle "$2"
    if timeout 30 import -window root "$file"; then
        SCREENSHOTS+=("$file")
    else
        echo "     no screenshot $file"
    fi
}

SPLASH_SIZE=400x240   # 6000x3600 twips
TRAY="Wine System Tray"  # Wine's own notification area, shown while it holds an icon

quietly() { "$@" >/dev/null 2>&1; }

# message_is TITLE TEXT: the program's message box with that title says TEXT.
message_is() {
    local actual
    actual=$(driver message "$1" | tr -d '\r')
    [[ $actual == "$2" ]] || { echo "     the box \"$1\" says \"$actual\""; return 1; }
}

window_count() { driver list | wc -l; }

# one_window TITLE: exactly one window shows with that caption.
one_window() {
    local count
    count=$(driver list | tr -d '\r' | awk -F'\t' -v title="$1" '$2 == title' | wc -l)
    [[ $count -eq 1 ]] || { echo "     $count windows \"$1\""; return 1; }
}

# --- rows checked by our own test programs ----------------------------------------

# rows NAME EXE: runs the test program EXE from the tools folder; it prints
# one "ok" or "FAIL" line a row and then "N passed, M failed". Its rows
# count as checks; the whole table is in NAME.log, the failures and the rows
# where Wine answers otherwise than the simulation are shown here. The output
# goes through a file: a service the program started may hold a pipe open for
# as long as it runs.
rows() {
    local log=$ARTIFACTS/$1.log summary rows_passed rows_failed
    timeout 120 wine "$(program_path "Tools/$2")" >"$log.raw" 2>&1 </dev/null
    tr -d '\r' <"$log.raw" >"$log" && rm -f "$log.raw"
    grep -E '^FAIL|Wine answers' "$log" | sed 's/^/     /'
    # A program the rows started may still write to the console afterwards.
    summary=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$log" | tail -n 1)
    if [[ $summary =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
        rows_passed=${BASH_REMATCH[1]} rows_failed=${BASH_REMATCH[2]}
        passed=$((passed + rows_passed))
        failed=$((failed + rows_failed))
        echo "$1: $rows_passed rows passed, $rows_failed failed (table in $log)"
    else
        fail "$2 runs to its end (see $log)"
    fi
}

# --- the executables ------------------------------------------------------------

# The system DLLs the programs may import; anything else would have to ship
# beside them.
SYSTEM_DLLS="advapi32 comctl32 gdi32 iphlpapi kernel32 msvcrt ole32 oleaut32 shell32 shlwapi user32 version winmm"

# built_for BITS EXE: the executable is a Windows program of that width that
# imports only system DLLs.
built_for() {
    local format dll foreign=()
    format=$(x86_64-w64-mingw32-objdump -f "$2" | awk '/file format/ { print $NF }')
    [[ $format == "$([[ $1 == 32 ]] && echo pei-i386 || echo pei-x86-64)" ]] ||
        { echo "     $2 is $format"; return 1; }
    for dll in $(x86_64-w64-mingw32-objdump -p "$2" | awk '/DLL Name/ { print tolower($3) }'); do
        [[ " $SYSTEM_DLLS " == *" ${dll%.dll} "* ]] || foreign+=("$dll")
    done
    [[ ${#foreign[@]} -eq 0 ]] || { echo "     $2 needs ${foreign[*]}"; return 1; }
}

