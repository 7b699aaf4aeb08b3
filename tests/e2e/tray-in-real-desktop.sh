#!/usr/bin/env bash
# The notification-area icon in a real X session (Xvfb + icewm, whose task bar
# holds a system tray): the icon is embedded in the tray; a click hides the
# window and takes it off the task bar, the next click brings it back; a double
# click changes nothing; minimising hides to the tray; the tray menu's New
# Application starts "Tamrin" from the program's directory whatever the running
# file is called, and its Exit saves the settings, a tab added by the Add Tab
# dialog included, and ends the program. Without a tray, minimising leaves an
# ordinary minimised window.
#
# usage: tray-in-real-desktop.sh <built Tamrin>
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=desktop-session.sh
source "$here/desktop-session.sh"

work=$(mktemp -d)
program_pid=
second_pid=
finish() {
    local status=$?
    desktop_end_process "$second_pid"
    desktop_end_process "$program_pid"
    desktop_session_stop
    if [[ $status -ne 0 ]]; then
        echo "--- program output"; cat "$work/program.log" 2>/dev/null || true
        echo "--- settings file"; cat "$work/app/renamed-copy.ini" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT

step() { echo "-- $*"; }

# Starts a program file with a home of its own; sets program_pid.
start_program() {
    (cd "$work" && HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CACHE_HOME="$work/home/cache" \
        XDG_CONFIG_HOME="$work/home/config" XDG_RUNTIME_DIR="$work/home" QT_QPA_PLATFORM=xcb \
        exec "$1") >> "$work/program.log" 2>&1 &
    program_pid=$!
}

# icewm with its system tray switched on or off, whatever the user's own settings say.
start_desktop() {
    local tray=$1
    mkdir -p "$work/icewm-$tray"
    echo "TaskBarEnableSystemTray=$tray" > "$work/icewm-$tray/preferences"
    ICEWM_PRIVCFG="$work/icewm-$tray" desktop_session_start "$work"
}

alive() { kill -0 "$1" 2>/dev/null; }
hex() { printf '0x%x' "$1"; }
on_task_bar() { xprop -root _NET_CLIENT_LIST | grep -qw "$(hex "$1")"; }
off_task_bar() { ! on_task_bar "$1"; }
# Windows may vanish while they are looked at: a missing window is simply not mapped.
map_state() { xwininfo -id "$1" 2>/dev/null | sed -n 's/^ *Map State: //p'; }
mapped() { [[ $(map_state "$1") == IsViewable ]]; }
shown() { on_task_bar "$1" && mapped "$1"; }
hidden() { off_task_bar "$1" && ! mapped "$1"; }
iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; }
parent_of() { xwininfo -id "$1" -tree 2>/dev/null | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p'; }
root_id() { xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p'; }

# The main window of a process: its window on the task bar titled "Sorvanta ...".
main_of() {
    local w
    for w in $(xdotool search --all --pid "$1" --name '^Sorvanta' 2>/dev/null); do
        on_task_bar "$w" && { echo "$w"; return 0; }
    done
    return 1
}
window=
find_main() { window=$(main_of "$program_pid"); }

# The tray icon of a process: a small mapped window embedded in another one.
tray_icon=
find_tray_icon() {
    local w root
    root=$(root_id)
    tray_icon=
    for w in $(xdotool search --all --pid "$program_pid" 2>/dev/null); do
        [[ "$w" == "$window" ]] && continue
        mapped "$w" || continue
        [[ $(parent_of "$w") != "$root" ]] || continue
        (( $(xwininfo -id "$w" 2>/dev/null | sed -n 's/^ *Width: //p') + 0 <= 64 )) || continue
        tray_icon=$w
        return 0
    done
    return 1
}

# An open popup menu of the program: a mapped top-level window that is neither
# the main window nor the tray icon.
menu=
find_menu() {
    local w root
    root=$(root_id)
    menu=
    for w in $(xdotool search --all --pid "$program_pid" 2>/dev/null); do
        [[ "$w" == "$window" || "$w" == "$tray_icon" ]] && continue
        mapped "$w" || continue
        [[ $(parent_of "$w") == "$root" ]] || continue
        menu=$w
        return 0
    done
    return 1
}

click_tray() { xdotool mousemove --window "$tray_icon" 8 8 click "$@"; }
# Clicks the open menu at a fraction (in percent) of its height.
click_menu_at() {
    local width height
    width=$(xwininfo -id "$menu" | sed -n 's/^ *Width: //p')
    height=$(xwininfo -id "$menu" | sed -n 's/^ *Height: //p')
    xdotool mousemove --window "$menu" $((width / 2)) $((height * $1 / 100)) click 1
}
not_iconic() { ! iconic "$1"; }
active() { xprop -root _NET_ACTIVE_WINDOW | grep -qw "$(hex "$1")"; }
# Longer than any double-click interval, so a pending single click has acted.
settle() { sleep 1.5; }

# --- The program under another name, with "Tamrin" beside it ----------------
mkdir -p "$work/app" "$work/home"
cp "$program" "$work/app/Tamrin"
cp "$program" "$work/app/renamed-copy"
# Each file reads the settings named after it.
settings_file="$work/app/renamed-copy.ini"
printf '%s\r\n' '[Tamrin SETTINGS]' '#_tabs=2' 'tabs_bottom=1' \
    'tab_name_1=First' 'tab_address_1=http://127.0.0.1:9/first?q=TEST' \
    'tab_name_2=Second' 'tab_address_2=http://127.0.0.1:9/second?q=TEST' > "$settings_file"
cp "$settings_file" "$work/app/Tamrin.ini"

start_desktop 1
start_program "$work/app/renamed-copy"
wait_for 60 find_main || fail "the main window did not appear"
wait_for 30 shown "$window" || fail "the main window is not shown on the task bar"
caption=$(xdotool getwindowname "$window")
[[ "$caption" == "Sorvanta v.3" ]] || fail "start-up caption is '$caption'"

step "the icon appears in the tray"
wait_for 30 find_tray_icon || fail "no tray icon was embedded in the tray"

step "a click hides the window, a second click restores it"
click_tray 1
wait_for 10 hidden "$window" || fail "a click on the icon did not hide the window"
click_tray 1
wait_for 10 shown "$window" || fail "a second click on the icon did not restore the window"
[[ $(xdotool getwindowname "$window") == "$caption" ]] || fail "the caption changed on restore"

step "a double click changes nothing"
click_tray --repeat 2 --delay 60 1
settle
shown "$window" || fail "a double click hid the shown window"
click_tray 1
wait_for 10 hidden "$window" || fail "a click did not hide the window"
click_tray --repeat 2 --delay 60 1
settle
hidden "$window" || fail "a double click restored the hidden window"
click_tray 1
wait_for 10 shown "$window" || fail "a click did not restore the window"

step "minimising hides to the tray"
# A restored window asks to be activated once it is mapped; a minimise that
# overtakes that request would be undone by it.
wait_for 10 active "$window" || fail "the restored window did not become active"
settle
xdotool windowminimize "$window"
wait_for 10 hidden "$window" || fail "minimising left the window on the task bar"
alive "$program_pid" || fail "the program ended when hidden"
click_tray 1
wait_for 10 shown "$window" || fail "a click did not bring the minimised window back"
wait_for 5 not_iconic "$window" || fail "the restored window is still minimised"

step "a tab added by the Add Tab dialog"
# The tab bar lies along the bottom of the client area.
height=$(xwininfo -id "$window" | sed -n 's/^ *Height: //p')
xdotool mousemove --window "$window" 400 $((height - 11)) click 3
wait_for 10 find_menu || fail "the tab bar's menu did not open"
click_menu_at 50   # its one item, Add Tab
dialog=
find_dialog() { dialog=$(xdotool search --all --pid "$program_pid" --name '^Add Tab \[max = 30\]$' 2>/dev/null | head -n 1); [[ -n "$dialog" ]] && mapped "$dialog"; }
wait_for 10 find_dialog || fail "the Add Tab dialog did not open"
xdotool mousemove --window "$dialog" 140 17 click 1   # Tab Name
xdotool type --delay 20 "Added Later"
xdotool mousemove --window "$dialog" 280 49 click 1   # Address
xdotool type --delay 20 "http://127.0.0.1:9/added?q=TEST"
xdotool mousemove --window "$dialog" 373 188 click 1   # Ok
sleep 0.5
xdotool mousemove --window "$dialog" 461 188 click 1   # Cancel
wait_for 10 bash -c "! xwininfo -id $dialog 2>/dev/null | grep -q IsViewable" || fail "the Add Tab dialog did not close"

step "New Application starts Tamrin from the same directory"
click_tray 3
wait_for 10 find_menu || fail "the tray menu did not open"
click_menu_at 25   # New Application, above the separator
find_second() {
    local p
    for p in /proc/[0-9]*; do
        [[ "$(readlink "$p/exe" 2>/dev/null)" == "$work/app/Tamrin" ]] && { second_pid=${p#/proc/}; return 0; }
    done
    return 1
}
wait_for 30 find_second || fail "New Application did not start $work/app/Tamrin"
wait_for 60 main_of "$second_pid" > /dev/null || fail "the second copy showed no window"
# Ended without its own save, so only the first copy writes the settings.
desktop_end_process "$second_pid"
second_pid=

step "Exit saves the settings and ends the program"
click_tray 3
wait_for 10 find_menu || fail "the tray menu did not open"
click_menu_at 75   # Exit, below the separator
wait_for 20 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "Exit did not end the program"
wait "$program_pid" 2>/dev/null || true
program_pid=
settings=$(tr -d '\r' < "$settings_file")
for line in '#_tabs=3' 'tabs_bottom=1' 'tab_name_1=First' 'tab_address_1=http://127.0.0.1:9/first?q=TEST' \
    'tab_name_2=Second' 'tab_name_3=Added Later' 'tab_address_3=http://127.0.0.1:9/added?q=TEST'; do
    grep -qxF "$line" <<< "$settings" || fail "the settings file lacks '$line'"
done

desktop_session_stop

step "without a tray, minimising leaves an ordinary minimised window"
start_desktop 0
start_program "$work/app/Tamrin"
wait_for 60 find_main || fail "the main window did not appear without a tray"
wait_for 30 shown "$window" || fail "the main window is not shown without a tray"
xdotool windowminimize "$window"
wait_for 10 iconic "$window" || fail "minimising did not minimise the window"
settle
on_task_bar "$window" || fail "the minimised window left the task bar with no tray to return from"
iconic "$window" || fail "the minimised window did not stay minimised"
echo "PASS"
