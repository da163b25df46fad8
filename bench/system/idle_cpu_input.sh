#!/usr/bin/env bash
# Whole-process cost of the desktop services on a real X server (Xvfb with openbox and ten
# program windows): CPU time of an idle minute with the process monitor and the input hooks off
# and on, and how often bursts of mouse movement and typing wake Kavo. Also runs the X11 case
# of bench_process_scan on the same server.
# Usage: bench/system/idle_cpu_input.sh [build-dir] [seconds]
set -euo pipefail
build_dir=$(realpath "${1:-build}")
seconds=${2:-60}
work=$(mktemp -d)
pids=()
cleanup() {
  # The windows and the window manager first, the X server last.
  for (( i = ${#pids[@]} - 1; i >= 0; i-- )); do kill "${pids[i]}" 2>/dev/null || true; sleep 0.2; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

exec 3< <(Xvfb -displayfd 1 -noreset -nolisten tcp -screen 0 1920x1080x24 2>/dev/null)
pids+=($!)
read -r display <&3
export DISPLAY=":$display"
cat > "$work/openbox.xml" <<'XML'
<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard></keyboard></openbox_config>
XML
openbox --sm-disable --config-file "$work/openbox.xml" & pids+=($!)
sleep 1
for i in $(seq 1 10); do
  cp "$build_dir/tests/system/kavo_test_window" "$work/program$i"
  QT_QPA_PLATFORM=xcb "$work/program$i" "Program $i" > /dev/null & pids+=($!)
done
sleep 2

echo "== One look at every program on this X server =="
"$build_dir/bench/system/bench_process_scan" --benchmark_filter=scanX11 2>/dev/null | tail -2

idle_rate_milli=0 # wake-ups per 1000 s of the idle run without monitor and hooks

# CPU time of all threads of `pid` in nanoseconds (finer than the clock ticks of /proc/pid/stat).
cpu_ns() {
  cat /proc/"$1"/task/*/schedstat | awk '{sum += $1} END {printf "%d", sum}'
}

# Kavo with the given settings lines, idle for the measured time (or while `input` runs);
# prints the time, CPU ms and wake-ups (voluntary context switches: the event loop sleeping,
# and every wait for a reply of the X server), and the wake-ups beyond the idle rate.
measure() {
  local label=$1 settings=$2 input=${3:-}
  local home="$work/$label"
  mkdir -p "$home/settings" && mkdir -m 700 "$home/runtime"
  printf '[General]\nSaveVersion=6\nIsFirstStart=false\nOptimizeUiCreation=true\n%b' \
    "$settings" > "$home/settings/kavo_settings.ini"
  KAVO_PLATFORM=x11 QT_QPA_PLATFORM=offscreen KAVO_SETTINGS_DIR="$home/settings" \
    XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_HOME="$home/config" \
    "$build_dir/src/kavo" > "$home/kavo.log" 2>&1 &
  local pid=$!
  sleep 3 # start-up and the start glide are not idling
  local start_cpu start_wakes end_cpu end_wakes
  local started=$SECONDS
  start_cpu=$(cpu_ns "$pid")
  start_wakes=$(awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$pid/status")
  if [ -n "$input" ]; then eval "$input"; else sleep "$seconds"; fi
  end_cpu=$(cpu_ns "$pid")
  end_wakes=$(awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$pid/status")
  local elapsed=$(( SECONDS - started ))
  kill -TERM "$pid"; wait "$pid" || true
  local wakes=$(( end_wakes - start_wakes ))
  if [ "$label" = monitor-and-hooks-off ]; then idle_rate_milli=$(( wakes * 1000 / elapsed )); fi
  echo "$label: ${elapsed}s, $(( (end_cpu - start_cpu) / 1000000 )) ms CPU," \
       "$wakes wake-ups ($(( wakes - idle_rate_milli * elapsed / 1000 )) beyond the idle rate)"
}

off='EnableConflictingApplications=true\nUseKeyboardHook=false\nUseKeyboardShortcuts=false\nUsePanicKeyboardShortcuts=false\n'
on='UseColorPausers=true\nUseTimerPausers=true\nUseMousePausers=true\nUseColorTriggers=true\nUseKeyboardShortcuts=true\nUseKeyboardInactivity=true\nUseMouseInactivity=true\nTimerPaused=false\n'
# Only the input hooks: no scans, no shortcuts.
hooks='EnableConflictingApplications=true\nUseKeyboardShortcuts=false\nUseKeyboardInactivity=true\nUseMouseInactivity=true\nTimerPaused=false\n'

echo "== Idle for ${seconds}s =="
measure monitor-and-hooks-off "$off"
measure monitor-and-hooks-on "$on"

# Ten bursts of 100 mouse movements and ten bursts of 20 key presses, two seconds apart, each
# burst from one xdotool (keys the keymap has, so that no keymap change reaches every client).
move_burst="xdotool$(printf ' mousemove_relative 1 0 sleep 0.005%.0s' $(seq 1 100))"
key_burst="xdotool key --delay 5$(printf ' %s' a b c d e f g h i j k l m n o p q r s t)"
moves='for b in $(seq 1 10); do $move_burst; sleep 2; done'
keys='for b in $(seq 1 10); do $key_burst; sleep 2; done'
echo "== Ten input bursts =="
measure "moves-hooks-on" "$hooks" "$moves"
measure "moves-hooks-off" "$off" "$moves"
measure "keys-hooks-on" "$hooks" "$keys"
measure "keys-hooks-off" "$off" "$keys"
