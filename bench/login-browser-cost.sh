#!/usr/bin/env bash
# What the embedded log-in browser costs the windowed program: start-up time
# (launch to the APRS window mapped) and resident memory, for a build with
# and one without the web engine, and memory once "aprs.fi anmelden" has
# been pressed. Runs under its own Xvfb with icewm.
#   bench/login-browser-cost.sh BUILD_WITH/parlhora [BUILD_WITHOUT/parlhora]
set -euo pipefail
display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
sleep 1
icewm >/dev/null 2>&1 &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null' EXIT
sleep 1

rss_kb() {  # pid: resident KiB of the process and all its descendants
  local total=0 p
  for p in $1 $(pgrep -P "$1" || true) $(for c in $(pgrep -P "$1" || true); do pgrep -P "$c" || true; done); do
    total=$((total + $(awk '/^VmRSS/ {print $2}' /proc/"$p"/status 2>/dev/null || echo 0)))
  done
  echo "$total"
}

measure() {  # binary, press-login (0/1)
  local home
  home=$(mktemp -d)
  printf 'METEO=APRS\r\nFORMMETEO=Y\r\n' >"$home/parlhora.ini"
  local start end pid
  start=$(date +%s%N)
  "$1" --home "$home" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name '^APRS-Wetterdaten$' >/dev/null 2>&1; do sleep 0.01; done
  end=$(date +%s%N)
  sleep 3
  local idle
  idle=$(rss_kb "$pid")
  local after=-
  if [ "$2" = 1 ]; then
    local w
    w=$(xdotool search --onlyvisible --name '^APRS-Wetterdaten$' | head -1)
    xdotool windowactivate --sync "$w"
    # From the address field backwards: the date field, eight check boxes,
    # then the log-in button.
    xdotool key --delay 50 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
      shift+Tab shift+Tab space
    sleep 10
    after=$(rss_kb "$pid")
  fi
  echo "$1: start-up $(((end - start) / 1000000)) ms, RSS $((idle / 1024)) MiB idle, $([ "$after" = - ] && echo - || echo $((after / 1024))) MiB with the log-in view"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -rf "$home"
}

for run in 1 2 3 4 5; do
  measure "$1" $([ $run = 5 ] && echo 1 || echo 0)
  if [ $# -ge 2 ]; then measure "$2" 0; fi
done
