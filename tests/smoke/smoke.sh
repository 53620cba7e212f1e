#!/bin/sh
# Starts tamo under Xvfb: it must appear centred at its size, react to a click on the
# dashboard button through the X server, and end with status 0 when closed by its close button.
set -u
tamo=$1
work=$(mktemp -d)
xvfb_pid=
tamo_pid=

cleanup() {
    [ -n "$tamo_pid" ] && kill "$tamo_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Region of the screen as a checksum, to see whether it changed.
region_sum() {
    import -window root -crop "$1" rgb:- 2>/dev/null | md5sum
}

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=:$(cat "$work/display")
export DISPLAY
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR

"$tamo" 2>"$work/tamo.log" &
tamo_pid=$!

window=$(timeout 15 xdotool search --sync --onlyvisible --name '^tamo$' | head -n 1)
[ -n "$window" ] || fail "no window named tamo appeared"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
outer_w=1266
outer_h=798
[ "$WIDTH" -eq $outer_w ] && [ "$HEIGHT" -eq $outer_h ] || fail "window is ${WIDTH}x${HEIGHT}, not ${outer_w}x${outer_h}"
[ "$X" -eq $(( (1920 - outer_w) / 2 )) ] && [ "$Y" -eq $(( (1080 - outer_h) / 2 )) ] \
    || fail "window at $X,$Y is not centred"

# The dashboard button: client offset (1, 31), button at 508, 0, 120 x 72.
button_x=$((X + 1 + 508))
button_y=$((Y + 31))
button="120x72+${button_x}+${button_y}"
before=$(region_sum "$button")
xdotool mousemove $((button_x + 60)) $((button_y + 36)) sleep 0.4 click 1 sleep 0.4
after=$(region_sum "$button")
[ "$before" != "$after" ] || fail "the dashboard button did not react to the pointer"
kill -0 "$tamo_pid" 2>/dev/null || fail "tamo ended after the click: $(cat "$work/tamo.log")"

# The close button sits at the title bar's right end.
xdotool mousemove $((X + outer_w - 20)) $((Y + 8)) sleep 0.3 click 1
for _ in $(seq 50); do
    kill -0 "$tamo_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$tamo_pid" 2>/dev/null && fail "tamo is still running after its close button was clicked"
wait "$tamo_pid"
status=$?
tamo_pid=
[ "$status" -eq 0 ] || fail "tamo ended with status $status"
echo "PASS: tamo appeared centred at ${WIDTH}x${HEIGHT}, took the click and closed with status 0"
