# shellcheck shell=bash
# nightjar's service rows of the Wine run, sourced by run_e2e.sh and run with
# its helpers (check, driver, launch, wsvc, ...) once Messenger is installed.

TEST_MESSAGE="Send Yourself a Test Popup Message"
TEST_NOTICE="You are about to be sent a test message."
NOT_SENT="The test message could not be sent"
# The titles of the boxes the wait box may show.
WAIT_BOX_TITLES=("Service Specific Error" "Error performing an action on the service")

# no_message_box: no message box of nightjar shows within the driver's few
# seconds, under the program's title, nor then one under the wait box's.
no_message_box() {
    local text title
    if text=$(driver message "$NIGHTJAR" 2>/dev/null); then
        echo "     a box \"$NIGHTJAR\" says \"$(tr -d '\r' <<<"$text")\""
        return 1
    fi
    for title in "${WAIT_BOX_TITLES[@]}"; do
        driver absent "$title" 0 || { echo "     a box \"$title\" shows"; return 1; }
    done
}

notice_shows() {
    local text
    text=$(driver message "$NIGHTJAR" | tr -d '\r')
    [[ $text == "$TEST_NOTICE"* ]] || { echo "     the box \"$NIGHTJAR\" says \"$text\""; return 1; }
}

# The planted program marks each run with a file beside it.
PLANTED=Nightjar/net.exe

planted_ran() { [[ -f $(program_path "$PLANTED").ran ]]; }

# planted_runs: the planted net.exe leaves its mark when started, so its
# mark's absence later says it was not run.
planted_runs() {
    timeout 60 wine "$(program_path "$PLANTED")" send proof </dev/null >/dev/null 2>&1
    planted_ran && rm -f "$(program_path "$PLANTED").ran"
}

# not_run_within SECONDS: the planted program leaves no mark in that time.
not_run_within() {
    local end=$((SECONDS + $1))
    while ((SECONDS < end)); do
        planted_ran && { echo "     it ran with: $(cat "$(program_path "$PLANTED").ran")"; return 1; }
        sleep 0.5
    done
    ! planted_ran
}

# A net.exe planted in the program's folder, which is also the folder the
# program runs in: the test message starts the system folder's own.
nightjar_planted_net() {
    echo "# nightjar's test message with a net.exe planted beside it"
    check "a stranger's net.exe is planted in nightjar's folder" \
        cp "$(program_path Tools/wplanted.exe)" "$(program_path "$PLANTED")" || return
    check "the planted net.exe leaves its mark when it is started" planted_runs
    check "\"Auto\" is \"0\"" quietly timeout 60 wine reg add "$MACHINE_KEY" /v Auto /d 0 /f
    pushd "$(program_path Nightjar)" >/dev/null || return
    launch nightjar Nightjar/nightjar.exe
    popd >/dev/null || return
    check "the main window shows" driver wait "$NIGHTJAR" "$WAIT_MS" || return
    check "pressing \"$TEST_MESSAGE\"" driver push "$NIGHTJAR" "$TEST_MESSAGE"
    check "the notice before the message shows" notice_shows
    check "answering it sends the message" driver answer "$NIGHTJAR" OK
    check "the planted net.exe is not run" not_run_within 5
    check "the system's net.exe started: no box says the message was not sent" no_message_box
    check "File > Exit" driver menu "$NIGHTJAR" "Exit"
    check "File > Exit ends nightjar" process_ended
    rm -f "$(program_path "$PLANTED")" "$(program_path "$PLANTED").ran"
}

# Wine's own print spooler program installed as "Messenger": a service we did
# not write, which still reports a wait hint when it has reached its state.
WINE_SERVICE='C:\windows\system32\spoolsv.exe'

nightjar_wine_service() {
    echo "# nightjar with Wine's own spoolsv.exe as the Messenger service"
    check "the test service is removed from the name Messenger" wsvc delete Messenger
    check "spoolsv.exe is installed under the name Messenger" \
        wsvc install-program Messenger "$WINE_SERVICE" >>"$ARTIFACTS/service-install.log" 2>&1 || return
    check "the wineserver restarts" restart_held_wineserver
    check "Messenger is started" wsvc start Messenger
    check "Messenger runs" await_messenger 4
    check "\"Auto\" is \"0\"" quietly timeout 60 wine reg add "$MACHINE_KEY" /v Auto /d 0 /f
    launch nightjar Nightjar/nightjar.exe
    check "the main window shows" driver wait "$NIGHTJAR" "$WAIT_MS" || return
    check "the label reads \"$STATUS_ON\"" has_text "$NIGHTJAR" "$STATUS_ON"
    press_and_wait "$PREVENT"
    check "no message box after Prevent" no_message_box
    check "Messenger is stopped" messenger_is 1
    check "the label reads \"$STATUS_OFF\"" has_text "$NIGHTJAR" "$STATUS_OFF"
    press_and_wait "$ALLOW"
    check "no message box after Allow" no_message_box
    check "Messenger runs" messenger_is 4
    check "the label reads \"$STATUS_ON\"" has_text "$NIGHTJAR" "$STATUS_ON"
    check "File > Exit" driver menu "$NIGHTJAR" "Exit"
    check "File > Exit ends nightjar" process_ended
}

# start_messenger: Messenger runs, started here unless it already did.
start_messenger() {
    messenger_is 4 >/dev/null || wsvc start Messenger || return
    await_messenger 4
}

# refusal_told: nightjar's box says the stop was refused, with the system's
# reason after the code.
refusal_told() {
    local text
    text=$(driver message "$NIGHTJAR" | tr -d '\r')
    [[ $text == "Unable to stop the "*"Messenger service."*"Error "[0-9]*": "?* ]] ||
        { echo "     the box says \"$text\""; return 1; }
}

# Messenger running and refusing the stop, as a service that takes no stop
# does: Wine's manager refuses the request, and nightjar says so at once,
# with the system's reason, and opens no wait box.
nightjar_refused_stop() {
    echo "# nightjar when Messenger refuses the stop"
    check "Messenger runs" start_messenger || return
    check "Messenger is set to take no stop" wsvc refuse-stop Messenger on || return
    check "\"Auto\" is \"0\"" quietly timeout 60 wine reg add "$MACHINE_KEY" /v Auto /d 0 /f
    launch nightjar Nightjar/nightjar.exe
    check "the main window shows" driver wait "$NIGHTJAR" "$WAIT_MS" || return
    # The wait box is watched for from before the request until after the answer.
    driver absent "$WAIT_BOX" 8000 &
    local watch=$!
    # The button is off for a service that takes no stop; the menu item is not.
    check "Action > Prevent Popups" driver menu "$NIGHTJAR" "Prevent Popups"
    check "the refusal is told at once, with the system's reason" refusal_told
    check "answering it" driver answer "$NIGHTJAR" OK
    check "no wait box showed" wait "$watch"
    check "Messenger still runs" messenger_is 4
    check "Messenger takes the stop again" wsvc refuse-stop Messenger off
    check "Action > Prevent Popups again" driver menu "$NIGHTJAR" "Prevent Popups"
    check "the wait box \"$WAIT_BOX\" shows" driver wait "$WAIT_BOX" "$WAIT_MS"
    check "the wait box goes" driver gone "$WAIT_BOX" "$WAIT_MS"
    check "Messenger is stopped" messenger_is 1
    check "the label reads \"$STATUS_OFF\"" has_text "$NIGHTJAR" "$STATUS_OFF"
    check "File > Exit" driver menu "$NIGHTJAR" "Exit"
    check "File > Exit ends nightjar" process_ended
}
