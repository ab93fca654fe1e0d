#!/usr/bin/env bash
# The installed-form window program under a real X server and window manager: it opens
# centred at its outer size, encrypts what is typed, its code line copied from the window
# decrypts back with the command line, and Esc ends it with status 0. Also: it runs in the
# folder of its executable, wherever it was started from.
set -euo pipefail
gui=$(readlink -f "$1")
cli=$(readlink -f "$2")
fail() { echo "FAIL: $*" >&2; exit 1; }

cd /
"$gui" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name 'Lumaren' 2>/dev/null | head -n 1) && [[ -n $window ]] && break
  sleep 0.1
done
[[ -n $window ]] || fail "no window appeared"
sleep 0.5

[[ $(readlink "/proc/$pid/cwd") == "$(dirname "$(readlink -f "$gui")")" ]] ||
  fail "current directory is $(readlink "/proc/$pid/cwd")"

# Outer frame: 555 x 392 at ((1024-555)/2, (768-392)/2) = (234, 188).
info=$(xwininfo -id "$window")
X=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
Y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
WIDTH=$(awk '/Width:/ {print $NF}' <<<"$info")
HEIGHT=$(awk '/Height:/ {print $NF}' <<<"$info")
extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
read -r left right top bottom <<<"$extents"
outer_w=$((WIDTH + left + right))
outer_h=$((HEIGHT + top + bottom))
[[ "$outer_w x $outer_h" == "555 x 392" ]] || fail "outer size $outer_w x $outer_h"
[[ "$((X - left)),$((Y - top))" == "234,188" ]] || fail "outer origin $((X - left)),$((Y - top))"

xdotool windowactivate --sync "$window"
xdotool type --delay 20 'hello world'
xdotool mousemove --window "$window" 480 172 click 1   # the password box
xdotool type --delay 20 'p, (1)'
xdotool mousemove --window "$window" 480 32 click 1    # encrypt
sleep 0.5
xdotool mousemove --window "$window" 100 280 click 1   # the code-line box
xdotool key ctrl+a ctrl+c
sleep 0.3
line=$(xclip -o -selection clipboard)
[[ $line == 到文本* ]] || fail "copied code line: $line"
back=$(printf '%s' "$line" | "$cli" decrypt -f text)
[[ $back == helloworld ]] || fail "code line decrypts to '$back'"

xdotool key Escape
status=0
wait $pid || status=$?
trap - EXIT
[[ $status -eq 0 ]] || fail "exit status $status after Esc"
echo "window program: OK"
