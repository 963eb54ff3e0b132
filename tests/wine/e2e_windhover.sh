# shellcheck shell=bash
# windhover's own scenarios, sourced by run_e2e.sh, whose helpers they use:
# the first start with its options, site lists, switches and menus, the
# second start and the log-off.

WINDHOVER="Windhover by Quillmere"
HELP="Readme/Help"
SHOW_AT_STARTUP="Show at Startup"

windhover_first_start() {
    echo "# windhover, first start"
    launch_after_splash windhover Windhover/windhover.exe "$WINDHOVER" || return
    check "the notification-area icon shows" driver wait "$TRAY" "$WAIT_MS"
    # Wine's shell lists no windows: the browser-window tracker finds none and says nothing.
    check "no message box at start" driver absent "Windhover" "$ABSENT_MS"
    check "windhover holds Win+Z: registering it again fails with 1409" driver hotkey taken
    check "Win+Z typed on the display reaches windhover's hot-key target as a mouse move" win_z_reaches_target
    check "the help window shows on the first start" driver wait "$HELP" "$WAIT_MS"
    check "showHelp is \"1\" after the start" setting_is Windhover showHelp 1
    check "\"$SHOW_AT_STARTUP\" is ticked" check_state_is "$HELP" "$SHOW_AT_STARTUP" 1
    check "the help window's text comes from Help.rtf" help_text_loaded

    check "unticking \"$SHOW_AT_STARTUP\" works" driver click "$HELP" "$SHOW_AT_STARTUP"
    check "showHelp is \"0\" at once" setting_is Windhover showHelp 0
    check "\"$SHOW_AT_STARTUP\" is unticked" check_state_is "$HELP" "$SHOW_AT_STARTUP" 0

    windhover_options
    windhover_site_lists
    windhover_allow_next
    windhover_tools_menu
    windhover_tray_menu

    check "About > About this software" driver menu "$WINDHOVER" "About this software"
    check "the about box \"About Windhover\" shows" driver wait "About Windhover" "$WAIT_MS"
    check "the about box shows version 2.1" has_text "About Windhover" "2.1"
    check "the about box shows the home page" has_text "About Windhover" "www.quillmere.example"
    screenshot windhover "About Windhover"

    check "closing the main window is accepted" driver close "$WINDHOVER"
    check "closing the main window ends windhover" process_ended
    check "the notification-area icon goes" driver gone "$TRAY" "$WAIT_MS"
    check "Win+Z is free once windhover has ended" driver hotkey free
    windhover_settings_stored
}

# The controls of windhover's main window, in the order the program makes
# them: the frame of the options, the six boxes in screen order, the frame of
# the site lists, then the Add and Delete buttons of each list.
BOX_BLOCKING=@Button:2
BOX_SETUP=@Button:3
BOX_LINKS=@Button:4
BOX_SOUND=@Button:5
BOX_ONTOP=@Button:6
BOX_RUN=@Button:7
ADD_ALLOWED=@Button:9
DELETE_ALLOWED=@Button:10
ADD_DISALLOWED=@Button:11
DELETE_DISALLOWED=@Button:12
STATUS=@msctls_statusbar32:1
COUNT="0 Popups blocked to date"
BUTTON_KEY='HKLM\Software\Microsoft\Internet Explorer\Extensions\{ECC5777A-6E88-BFCE-13CE-81F134789E7B}'
WINDOWS_FOLDER='C:\Program Files\Quillmere\Windhover'

# status_is TEXT: the message panel of windhover's status bar.
status_is() { read_is "$WINDHOVER" "$STATUS" "$COUNT|$1"; }

windhover_options() {
    local box
    check "the first start made allowed.txt with the maker's host" \
        file_is Windhover/allowed.txt 'www.quillmere.example\r\n'
    check "the first start made disallowed.txt with one empty line" file_is Windhover/disallowed.txt '\r\n'
    check "chkSound is stored at the first start" setting_is Windhover chkSound 1
    check "the status bar counts no popups; the message panel has Win+Z's message" \
        status_is "The next popup will be allowed."
    for box in "$BOX_BLOCKING 1" "$BOX_SETUP 1" "$BOX_LINKS 0" "$BOX_SOUND 1" "$BOX_ONTOP 0" "$BOX_RUN 0"; do
        # shellcheck disable=SC2086  # the box and its value
        check "option box ${box% *} starts at ${box#* }" check_state_is "$WINDHOVER" $box
    done
    check "ticking \"Visual\"" driver click "$WINDHOVER" "$BOX_ONTOP"
    check "chkOnTop is \"1\" at once" setting_is Windhover chkOnTop 1
    check "the status bar says \"Always On Top Enabled\"" status_is "Always On Top Enabled"
    check "unticking \"Visual\"" driver click "$WINDHOVER" "$BOX_ONTOP"
    check "chkOnTop is \"0\" at once" setting_is Windhover chkOnTop 0
    check "unticking \"Audio\"" driver click "$WINDHOVER" "$BOX_SOUND"
    check "chkSound is \"0\" at once" setting_is Windhover chkSound 0
    check "the status bar says \"Sounds Disabled\"" status_is "Sounds Disabled"
    check "ticking \"Automation\"" driver click "$WINDHOVER" "$BOX_RUN"
    check "the run-at-log-on command is written quoted" \
        registry_value_is "$RUN_KEY" Windhover "\"$WINDOWS_FOLDER\\windhover.exe\"" REG_SZ
    check "the status bar says \"Run On Startup Enabled\"" status_is "Run On Startup Enabled"
    check "unticking \"Automation\"" driver click "$WINDHOVER" "$BOX_RUN"
    check "the run-at-log-on value goes" test -z "$(registry_value "$RUN_KEY" Windhover REG_SZ)"
    check "ticking \"Exceptions\" (stored at the exit)" driver click "$WINDHOVER" "$BOX_LINKS"
    check "unticking \"Setup Mode\" (stored at the exit)" driver click "$WINDHOVER" "$BOX_SETUP"
    check "chkLinks waits for the exit" test -z "$(setting Windhover chkLinks)"
}

windhover_site_lists() {
    check "typing a site into the allowed box" driver type "$WINDHOVER" @Edit:1 www.friend.example
    check "Add beside the allowed list" driver click "$WINDHOVER" "$ADD_ALLOWED"
    check "allowed.txt holds the site" \
        file_is Windhover/allowed.txt 'www.quillmere.example\r\nwww.friend.example\r\n'
    check "the allowed list shows it" read_is "$WINDHOVER" @ListBox:1 "www.quillmere.example|www.friend.example"
    check "the text box keeps what was typed" has_text "$WINDHOVER" www.friend.example
    check "selecting the maker's host" driver select "$WINDHOVER" @ListBox:1 0
    check "Delete beside the allowed list" driver click "$WINDHOVER" "$DELETE_ALLOWED"
    check "allowed.txt lost it" file_is Windhover/allowed.txt 'www.friend.example\r\n'
    check "the allowed list lost it" read_is "$WINDHOVER" @ListBox:1 "www.friend.example"
    check "typing a site into the disallowed box" driver type "$WINDHOVER" @Edit:2 ads.example
    check "Add beside the disallowed list" driver click "$WINDHOVER" "$ADD_DISALLOWED"
    check "disallowed.txt holds the site after its empty line" file_is Windhover/disallowed.txt '\r\nads.example\r\n'
    check "the disallowed list shows it" read_is "$WINDHOVER" @ListBox:2 "ads.example"
    check "selecting it" driver select "$WINDHOVER" @ListBox:2 0
    check "Delete beside the disallowed list" driver click "$WINDHOVER" "$DELETE_DISALLOWED"
    check "disallowed.txt is back to one empty line" file_is Windhover/disallowed.txt '\r\n'
}

# Win+Z came first (win_z_reaches_target) and turned the switch on.
windhover_allow_next() {
    check "\"Allow Next Popup\"" driver click "$WINDHOVER" "Allow Next Popup"
    check "the button turns off what Win+Z turned on" status_is "The next popup will NOT be allowed."
    check "Action > Allow the Next Popup (Win-Z)" driver menu "$WINDHOVER" "Allow the Next Popup (Win-Z)"
    check "the menu turns it on" status_is "The next popup will be allowed."
    check "Win+Z again" win_z_reaches_target
    check "Win+Z turns it off" status_is "The next popup will NOT be allowed."
}

windhover_tools_menu() {
    check "Tools > Add Program to IE Tools Menu" driver menu "$WINDHOVER" "Add Program to IE Tools Menu"
    check "the toolbar button runs windhover.exe" registry_value_is "$BUTTON_KEY" Exec "$WINDOWS_FOLDER\\windhover.exe" REG_SZ
    check "the toolbar button's text" registry_value_is "$BUTTON_KEY" ButtonText Windhover REG_SZ
    check "the toolbar button's icon" registry_value_is "$BUTTON_KEY" Icon "$WINDOWS_FOLDER\\icon.ico" REG_SZ
    check "Tools > Remove Program from IE Tools Menu" driver menu "$WINDHOVER" "Remove Program from IE Tools Menu"
    check "the toolbar button's key goes" reg_key_absent "$BUTTON_KEY"
}

# tray_menu ITEM: a right click on windhover's notification-area icon opens
# its menu; the user goes down to item ITEM (1 "Close this menu", 2 "Show
# program", 3 "Allow next popup (win-z)", 4 "Exit") and presses Enter. The
# click goes to the icon's own window in Wine's tray, which calls the program
# back as for the pointer's click: a click through the display lands on
# whatever window stands over the tray, as the help window, in the same top
# left corner, does when it came up after the tray.
tray_menu() { driver trayclick && driver popup "$1"; }

windhover_tray_menu() {
    check "\"Minimize to Taskbar\"" driver click "$WINDHOVER" "Minimize to Taskbar"
    check "the main window hides" driver gone "$WINDHOVER" "$WAIT_MS"
    check "state is \"down\"" setting_is Windhover state down
    check "the tray menu's \"Show program\"" tray_menu 2
    check "the main window comes back" driver wait "$WINDHOVER" "$WAIT_MS"
    check "state is \"up\" again" setting_is Windhover state up
    check "the tray menu's \"Allow next popup (win-z)\"" tray_menu 3
    check "the tray item turns the switch on" status_is "The next popup will be allowed."
    check "the tray menu's \"Close this menu\"" tray_menu 1
    check "closing the menu changes nothing" status_is "The next popup will be allowed."
    check "the main window still shows" driver wait "$WINDHOVER" 0
}

# The settings table, as File > Exit (or the close box) leaves it.
windhover_settings_stored() {
    local pair
    for pair in chkRunAtStart=0 chkOnTop=0 chkAuto=0 chkStopPop=1 intStopped=0 chkLinks=1 state=up chkSound=0; do
        check "$pair is stored" setting_is Windhover "${pair%=*}" "${pair#*=}"
    done
    check "strAllowed is stored" test -n "$(setting Windhover strAllowed)"
    check "strDisallowed is stored" \
        timeout 60 wine reg query "$SETTINGS_KEY\\Windhover\\Settings" /v strDisallowed
}

# Win+Z typed on the X display while windhover's main window has the X focus
# (Wine takes keys only then): the program gets WM_HOTKEY and then posts its
# hidden picture box a plain mouse move, as the driver's hook sees them.
win_z_reaches_target() {
    local window
    armed "$ARTIFACTS/hotkey.out" driver hotkeymove "$WINDHOVER" 10000 || return 1
    window=$(xdotool search --name "^$WINDHOVER\$" | head -n 1)
    if [[ -z $window ]]; then
        echo "     no X window \"$WINDHOVER\""
        wait "$WATCHER"
        return 1
    fi
    xdotool windowfocus --sync "$window" key super+z
    wait "$WATCHER"
}

help_text_loaded() {
    local texts
    texts=$(driver texts "$HELP" | tr -d '\r')
    grep -q "Windhover and Nightjar" <<<"$texts" ||
        { echo "     the help text is not ours:"; indent <<<"$texts"; return 1; }
}

windhover_second_start() {
    echo "# windhover, second start"
    launch windhover Windhover/windhover.exe
    check "the main window shows again" driver wait "$WINDHOVER" "$WAIT_MS" || return
    check "no help window on the second start" driver absent "$HELP" "$ABSENT_MS"
    check "the link exception ticked at the last exit is ticked again" check_state_is "$WINDHOVER" "$BOX_LINKS" 1
    check "setup mode unticked at the last exit stays unticked" check_state_is "$WINDHOVER" "$BOX_SETUP" 0
    check "the allowed list is read back from allowed.txt" read_is "$WINDHOVER" @ListBox:1 "www.friend.example"
    screenshot windhover-main "$WINDHOVER"
    check "Help > View Help" driver menu "$WINDHOVER" "View Help"
    check "the help window shows from the menu" driver wait "$HELP" "$WAIT_MS"
    check "\"$SHOW_AT_STARTUP\" stays unticked" check_state_is "$HELP" "$SHOW_AT_STARTUP" 0
    check "File > Exit" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover" process_ended
}

# A log-off: Windows asks the main window and then ends the session; the
# settings are stored as File > Exit stores them.
windhover_log_off() {
    echo "# windhover, log-off"
    launch windhover Windhover/windhover.exe
    check "the main window shows" driver wait "$WINDHOVER" "$WAIT_MS" || return
    check "ticking \"Setup Mode\"" driver click "$WINDHOVER" "$BOX_SETUP"
    check "the session ends" driver endsession "$WINDHOVER"
    check "windhover ends with the session" process_ended
    check "chkAuto is stored at the log-off" setting_is Windhover chkAuto 1
}
