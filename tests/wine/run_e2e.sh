#!/bin/bash
# End-to-end run of the real windhover.exe and nightjar.exe under Wine, in a
# fresh Windows XP prefix on a virtual X display, looking at what the user
# and the system see: windows, their captions and controls, the registry.
#
#   [WINE_BITS=32|64|both] tests/wine/run_e2e.sh
#
# The whole run goes once for each width: the 32-bit build (build/win32) in a
# 32-bit prefix and the 64-bit build (build/win64) in a 64-bit one. Unless
# WINE_BITS says otherwise, it takes every width this machine runs.
# Every wait has a bound. Screenshots and logs go to build/wine-artifacts/win32
# and win64. Ends with "N passed, M failed" over all widths and fails if
# anything failed.
#
# This file lists the scenarios in the order they run (run_width) and drives
# the run; the helpers every scenario uses (check, driver, launch, the
# registry reader, ...) are in lib.sh, windhover's and nightjar's own
# scenarios in e2e_windhover.sh and e2e_nightjar.sh, and those of one subject
# (site lists, settings, the tray, ...) in the other e2e_*.sh files.
set -uo pipefail

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$REPO/scripts/lib/build.sh"
source "$REPO/scripts/lib/wine.sh"
# The helpers (lib.sh), then each program's scenarios. A file that does not
# parse would leave its scenarios undefined and their rows uncounted: the run
# fails before it starts.
for part in lib e2e_windhover e2e_nightjar e2e_lists e2e_settings e2e_tray e2e_browsers e2e_long_list \
    e2e_pictures e2e_services e2e_keys e2e_paths e2e_tips; do
    # shellcheck disable=SC1090  # the files of this folder named above
    source "$REPO/tests/wine/$part.sh" || { echo "tests/wine/$part.sh does not load"; echo "0 passed, 1 failed"; exit 1; }
done

# --- the tables of our own test programs -----------------------------------------

# wcontract.exe checks, row by row, that the real registry, file system,
# version record and service manager answer as the simulation the host tests
# run on does. Its service rows work on a test service of their own, which
# Wine's manager starts only once the wineserver has restarted; they delete
# it at their end.
platform_contract() {
    echo "# the platform contract"
    check "the contract's test service is installed as QmContract" \
        timeout 60 wine "$(program_path Tools/wsvc.exe)" install QmContract quick \
        >>"$ARTIFACTS/service-install.log" 2>&1 </dev/null &&
        check "the wineserver restarts" restart_held_wineserver
    rows contract wcontract.exe
}

# wmodules.exe runs windhover's toolbar-button module against the real
# registry, nightjar's address lookup and hidden start against the system,
# and loads both programs' splash picture.
toolbar_button_and_address() {
    echo "# the toolbar button, the local address, the hidden start and the splash picture"
    rows modules wmodules.exe
}

# The test services (tests/wine/test_service.cpp): name, behaviour, dependency.
TEST_SERVICES=("NjQuick quick" "NjPending pending NjQuick" "NjStall stall" "NjExit exitcode" "NjNoPause nopause")

# wsvccheck.exe drives the test services through nightjar's real service
# layer and checks what Wine's Service Control Manager reports.
service_layer() {
    echo "# the service layer against Wine's Service Control Manager"
    local log=$ARTIFACTS/service-install.log service
    for service in "${TEST_SERVICES[@]}"; do
        # shellcheck disable=SC2086  # name, behaviour and dependency as separate words
        if ! timeout 60 wine "$(program_path Tools/wsvc.exe)" install $service >>"$log" 2>&1 </dev/null; then
            fail "the test service \"$service\" is installed (see $log)"
            return
        fi
    done
    check "the wineserver restarts" restart_held_wineserver || return
    rows service-layer wsvccheck.exe
    echo "# the service wait box against Wine's Service Control Manager"
    rows wait-box wwaitbox.exe
}

# wsinkcheck.exe calls windhover's browser event sink's Invoke with real
# DISPPARAMS, as a browser does (Wine's browsers never raise NewWindow2), with
# the popup decision behind it.
browser_sink() {
    echo "# the browser event sink"
    rows sink wsinkcheck.exe
}

# wcontrols.exe shows a list box and a report-view list through the real
# backend and checks the native controls against the forms layer's.
list_controls() {
    echo "# the list box and the report-view list"
    rows controls wcontrols.exe
}

# --- the run --------------------------------------------------------------------

cleanup() {
    end_program
    release_desktop
    stop_prefix
    stop_virtual_display
}

# run_width BITS: every check, on the programs of that width in a fresh prefix.
run_width() {
    local bits=$1 file
    echo "## the $bits-bit programs"
    WIDTH=$bits
    BUILD=$(windows_build_dir "$bits")
    ARTIFACTS=$ARTIFACTS_ROOT/win$bits
    mkdir -p "$ARTIFACTS"
    for file in blocker/windhover.exe blocker/Help.rtf blocker/icon.ico blocker/hoticon.ico \
        blocker/sounds/pop.wav svcstop/nightjar.exe svcstop/Help.rtf \
        tests/wine/wdriver.exe tests/wine/whooks.dll; do
        [[ -f $BUILD/$file ]] || { fail "$BUILD/$file is built"; return; }
    done
    check "windhover.exe is a $bits-bit program needing only system DLLs" built_for "$bits" "$BUILD/blocker/windhover.exe"
    check "nightjar.exe is a $bits-bit program needing only system DLLs" built_for "$bits" "$BUILD/svcstop/nightjar.exe"
    if ! wine_runs "$bits"; then
        fail "this machine runs $bits-bit Wine"
        return
    fi

    use_prefix "$REPO/build/wine-e2e-$bits" "$bits"
    echo "# a fresh prefix in $WINEPREFIX on display $DISPLAY"
    if ! make_prefix "$ARTIFACTS/prefix.log" persistent || ! draw_own_frames "$ARTIFACTS/prefix.log" ||
        ! install_programs || ! hold_desktop; then
        fail "the Wine prefix is made, the programs installed and the desktop held"
        release_desktop
        stop_prefix
        return
    fi

    platform_contract
    browser_sink
    toolbar_button_and_address
    service_layer
    list_controls
    windhover_first_start
    end_program
    windhover_second_start
    end_program
    windhover_log_off
    end_program
    windhover_hidden_list
    end_program
    windhover_unmarked_utf16_list
    end_program
    windhover_two_copies
    end_program
    windhover_line_added_behind
    end_program
    windhover_lf_list
    end_program
    windhover_unreadable_list
    end_program
    windhover_locked_settings
    end_program
    windhover_taskbar_restart
    end_program
    windhover_browsers
    end_program
    windhover_long_list
    end_program
    windhover_long_folder
    end_program
    windhover_long_item
    end_program
    nightjar_without_messenger
    end_program
    nightjar_refused_on_windows_7
    end_program
    install_messenger
    nightjar_service_actions
    end_program
    nightjar_start
    end_program
    nightjar_pictures
    end_program
    tool_tips
    check "Wine's desktop process outlives the tool tips' programs" desktop_kept
    keyboard_navigation
    nightjar_planted_net
    end_program
    check "Wine's desktop process outlives nightjar's test message" desktop_kept
    nightjar_refused_stop
    end_program
    nightjar_auto_dword
    end_program
    nightjar_tray_pass
    end_program
    nightjar_wine_service
    end_program

    if ((failed)); then
        echo "# windows on the display at the end:"
        driver list | indent
    fi
    release_desktop
    stop_prefix
}

main() {
    local started=$SECONDS widths bits shot
    widths=$(wine_widths) || { echo "0 passed, 1 failed"; exit 1; }
    rm -rf "$ARTIFACTS_ROOT"
    mkdir -p "$ARTIFACTS_ROOT"
    SCREENSHOTS=()

    trap cleanup EXIT
    start_virtual_display "$ARTIFACTS_ROOT/xvfb.log" || exit 1
    for bits in $widths; do run_width "$bits"; done
    # shellcheck disable=SC2086  # one word a width
    decision_times_side_by_side $widths

    for shot in "${SCREENSHOTS[@]}"; do echo "screenshot: $shot"; done
    echo "logs: $ARTIFACTS_ROOT (took $((SECONDS - started)) s)"
    echo "$passed passed, $failed failed"
    ((failed == 0))
}

main
