#!/usr/bin/env bash
# The station driven by the simulated remote under a virtual display, with screenshots:
# R clicked (the remote opens in mode 1), the mode button stepped through the modes, MIX
# pressed, R clicked again. Usage: demo.sh BUILD_DIR DEMO_DIR (a station of make-demo).
set -euo pipefail
build=${1:?usage: demo.sh BUILD_DIR DEMO_DIR}
demo=${2:?usage: demo.sh BUILD_DIR DEMO_DIR}
export XDG_CONFIG_HOME="$demo/config" KORVO_DRIVE_C="$demo/drive_c" KORVO_AUDIO=null
fifo="$demo/remotesim.in"
rm -f "$fifo"
mkfifo "$fifo"
"$build/out/remotesim" COM1 <"$fifo" >"$demo/remotesim.log" 2>&1 &
exec 3>"$fifo"
sleep 1

inner=$(mktemp)
cat >"$inner" <<'INNER'
set -u
shot() { import -window root -crop 800x600+112+84 +repage "$demo/$1.png"; }
# Each copy of the program needs a runtime folder of its own (single instance lock).
export XDG_RUNTIME_DIR="$demo/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cd "$demo/station"
"$build/out/korvoxa" >"$demo/korvoxa.log" 2>&1 &
station=$!
sleep 10
window=$(xdotool search --name '^KORVO XA$' | head -1)
click_r() { xdotool mousemove --window "$window" 444 14 click 1; }
click_r; sleep 3; shot remote-mode1
for mode in 2 3 4 5 1; do echo "button 8" >&3; sleep 1.5; shot "remote-mode$mode"; done
echo "button 1" >&3; sleep 0.6; shot remote-mixing
sleep 2
click_r; sleep 1.5; shot remote-closed
kill "$station"; wait "$station" 2>/dev/null || true
INNER
demo="$demo" build="$build" xvfb-run -a -s "-screen 0 1024x768x24" bash "$inner"
rm -f "$inner"
echo quit >&3
exec 3>&-
