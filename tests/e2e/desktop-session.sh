# A throw-away X desktop for tests that need real windows: Xvfb on a free
# display with the icewm window manager (which also provides a system tray).
#
# Source this file, then:
#   desktop_session_start <work dir>   # exports DISPLAY, waits until the WM runs
#   desktop_session_stop               # ends both processes
#   desktop_end_process <pid>          # ends a process the caller started
#   wait_for <seconds> <command...>    # polls the command until it succeeds
#   fail <message>                     # ends the test with the message
# Needs the Debian packages xvfb, icewm and x11-utils.

desktop_session_start() {
    local dir=$1
    local displayfile="$dir/display.number"
    : > "$displayfile"
    # -displayfd picks a free display and reports its number once it accepts clients.
    Xvfb -displayfd 9 -screen 0 1280x900x24 -nolisten tcp 9>"$displayfile" >"$dir/xvfb.log" 2>&1 &
    _desktop_xvfb_pid=$!
    local i
    for ((i = 0; i < 300; i++)); do
        [[ -s "$displayfile" ]] && break
        kill -0 "$_desktop_xvfb_pid" 2>/dev/null || { echo "Xvfb did not start" >&2; return 1; }
        sleep 0.1
    done
    [[ -s "$displayfile" ]] || { echo "Xvfb reported no display" >&2; return 1; }
    export DISPLAY=":$(tr -d '[:space:]' < "$displayfile")"

    icewm >"$dir/icewm.log" 2>&1 &
    _desktop_wm_pid=$!
    for ((i = 0; i < 300; i++)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "icewm did not start on $DISPLAY" >&2
    return 1
}

desktop_session_stop() {
    desktop_end_process "${_desktop_wm_pid:-}"
    desktop_end_process "${_desktop_xvfb_pid:-}"
    _desktop_wm_pid=
    _desktop_xvfb_pid=
}

# Ends one process started by the caller: asks first, forces after two seconds.
desktop_end_process() {
    local pid=$1 i
    [[ -n "$pid" ]] || return 0
    if kill "$pid" 2>/dev/null; then
        for ((i = 0; i < 20; i++)); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

# Polls a command for up to $1 seconds.
wait_for() {
    local seconds=$1 i
    shift
    for ((i = 0; i < seconds * 10; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
