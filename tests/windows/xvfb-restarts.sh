#!/usr/bin/env bash
# The program with its windows under a real X server and window manager
# (Xvfb + icewm), started and closed three times: frames exist only there,
# and so did the windows that crept up and left on every start. Then a
# fourth start with places off every screen.
# Usage: xvfb-restarts.sh BUILD_DIR
set -euo pipefail
build=$1
for tool in Xvfb icewm xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool missing"; exit 77; }
done

tmp=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

# -displayfd: the server takes a free display number and tells it, so
# parallel runs never share one.
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$tmp/display" 2>"$tmp/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { echo "Xvfb did not start"; cat "$tmp/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$tmp/display")"
HOME=$tmp icewm >"$tmp/icewm.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

# The test runner sets the offscreen platform; this test needs the X server.
# The sanitizer build: leaks inside the system's Qt libraries are not ours.
printf 'leak:libfontconfig\nleak:libdbus\nleak:libQt6\nleak:libglib\nleak:libasound\nleak:libxcb\nleak:libX11\n' >"$tmp/lsan.supp"
export LSAN_OPTIONS="suppressions=$tmp/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

home=$tmp/home
mkdir -p "$home"
printf '[PARLHORA V2.2.3]\r\nMETEO=W23\r\nTOP=150\r\nLEFT=40\r\nMETEO_TOP=200\r\nMETEO_LEFT=500\r\nMETEO_WIDTH=420\r\nMETEO_HEIGHT=600\r\n' \
  >"$home/parlhora.ini"

value() { sed -n "s/^$1=\\([^\\r]*\\).*/\\1/p" "$home/parlhora.ini"; }
geometry() { echo "$(value TOP) $(value LEFT) $(value METEO_TOP) $(value METEO_LEFT) $(value METEO_WIDTH) $(value METEO_HEIGHT)"; }

# xdotool dies on an X error when a window vanishes while it looks (the
# program makes and drops helper windows at start): look again.
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
wait_for() {
  for _ in $(seq 300); do [ -n "$(visible "$1")" ] && return 0; sleep 0.1; done
  echo "no window $1"
  exit 1
}

run_once() {
  QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 "$build/parlhora" --home "$home" >"$tmp/run.log" 2>&1 &
  local pid=$!
  pids+=($pid)
  wait_for '^PARLHORA V'
  wait_for '^Lacrosse WS-2310'
  # Let the window manager frame both windows and the frames settle: the
  # same places for a whole second (a loaded machine moves late).
  local last="" now same=0
  for _ in $(seq 100); do
    now=$(for w in $(visible '^(PARLHORA V|Lacrosse WS-2310)'); do
      xdotool getwindowgeometry "$w" 2>/dev/null || true; done)
    if [ -n "$now" ] && [ "$now" = "$last" ]; then
      same=$((same + 1))
      [ "$same" -ge 5 ] && break
    else
      same=0
    fi
    last=$now
    sleep 0.2
  done
  kill -TERM "$pid"
  wait "$pid" || { echo "the program failed:"; cat "$tmp/run.log"; exit 1; }
}

expected="150 40 200 500 420 600"
for start in 1 2 3; do
  run_once
  got=$(geometry)
  [ "$got" = "$expected" ] || {
    echo "start $start: TOP LEFT METEO_TOP METEO_LEFT METEO_WIDTH METEO_HEIGHT = $got, expected $expected"
    exit 1
  }
done
echo "geometry kept over three starts: $expected"

# Places saved on a screen that is gone: both windows come back onto this one.
chmod u+w "$home/parlhora.ini"
printf '[PARLHORA V2.2.3]\r\nMETEO=W23\r\nTOP=-5000\r\nLEFT=99999\r\nMETEO_TOP=x\r\nMETEO_LEFT=-2147483648\r\nMETEO_WIDTH=2147483647\r\nMETEO_HEIGHT=-3\r\nDATE=N\r\n' \
  >"$home/parlhora.ini"
run_once
read -r top left mtop mleft mwidth mheight <<<"$(geometry)"
for v in "$top" "$left" "$mtop" "$mleft"; do
  [ "$v" -ge 0 ] && [ "$v" -lt 1024 ] || { echo "off screen: $(geometry)"; exit 1; }
done
[ "$mwidth" -le 1280 ] && [ "$mheight" -gt 0 ] || { echo "size not on screen: $(geometry)"; exit 1; }
grep -q '^DATE=N' "$home/parlhora.ini" || { echo "the other settings were lost"; exit 1; }
echo "places off every screen came back: $(geometry)"
