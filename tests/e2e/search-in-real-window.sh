#!/usr/bin/env bash
# The built program in a real X session: typing keywords and pressing Enter
# makes its browser request the search address from a page served on
# 127.0.0.1, and the month's keyword log and statistics file appear beside it.
#
# usage: search-in-real-window.sh <built Tamrin> <request recorder>
set -euo pipefail

program=$1
recorder=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=desktop-session.sh
source "$here/desktop-session.sh"

work=$(mktemp -d)
recorder_pid=
program_pid=
finish() {
    local status=$?
    desktop_end_process "$program_pid"
    desktop_end_process "$recorder_pid"
    desktop_session_stop
    if [[ $status -ne 0 ]]; then
        echo "--- program output"; cat "$work/program.log" 2>/dev/null || true
        echo "--- requests"; cat "$work/requests.log" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT

# The program alone in a fresh directory, its files go beside it.
mkdir -p "$work/app"
mkdir -m 700 "$work/home"
cp "$program" "$work/app/Tamrin"

"$recorder" "$work/requests.log" > "$work/port" &
recorder_pid=$!
wait_for 10 test -s "$work/port" || fail "the request recorder did not start"
port=$(tr -d '[:space:]' < "$work/port")

printf '%s\r\n' '[Tamrin SETTINGS]' '#_tabs=1' 'tabs_bottom=0' 'tab_name_1=Local' \
    "tab_address_1=http://127.0.0.1:$port/search?q=TEST&from=tamrin" > "$work/app/Tamrin.ini"

desktop_session_start "$work"

month=$(LC_ALL=C date +%B_%Y)
# A home of its own keeps the browser profile of this run out of the user's.
(cd "$work" && HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CACHE_HOME="$work/home/cache" \
    XDG_CONFIG_HOME="$work/home/config" XDG_RUNTIME_DIR="$work/home" QT_QPA_PLATFORM=xcb \
    exec "$work/app/Tamrin") > "$work/program.log" 2>&1 &
program_pid=$!

window=
find_window() { window=$(xdotool search --onlyvisible --name '^Sorvanta' 2>/dev/null | head -n 1); [[ -n "$window" ]]; }
wait_for 60 find_window || fail "the main window did not appear"

# The keyword edit sits at (112, 9) in the keyword panel, which starts 29 px down.
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool mousemove --window "$window" 250 47 click 1
sleep 0.5
keywords='tamrin probe c++ 100%'
xdotool type --delay 30 "$keywords"
xdotool key Return

expected="GET /search?q=tamrin+probe+c%2B%2B+100%25&from=tamrin HTTP/1.1"
wait_for 60 grep -qxF "$expected" "$work/requests.log" 2>/dev/null \
    || fail "no request for the built address ($expected)"

wait_for 10 test -s "$work/app/keywords_$month.txt" || fail "keywords_$month.txt was not written"
wait_for 10 test -s "$work/app/most_searched_$month.txt" || fail "most_searched_$month.txt was not written"
grep -qF "$keywords" "$work/app/keywords_$month.txt" || fail "the keyword log lacks the keywords"
grep -qF "|$keywords" "$work/app/most_searched_$month.txt" || fail "the statistics lack the keywords"

title=$(xdotool getwindowname "$window")
[[ "$title" == "Sorvanta v.3 - $keywords" ]] || fail "window title is '$title'"
echo "PASS"
