#!/usr/bin/env bash
# Whole-process idle CPU on a private Xvfb with a tray host: Kavo windowless (tray only) and
# with its window open, beside a bare Qt tray program and a bare QtWebKit web view, one after
# the other in the same run, SECONDS each after SETTLE seconds of start-up. Then Kavo with the
# overlay screen shown (at its night opacity all day): in the gamma ramps without a compositing
# manager, and as a window that xcompmgr blends, beside the same Kavo without it (the
# compositor's own CPU meanwhile on rows of its own).
# Usage: bench/idle/idle_cpu_x11.sh [build-dir] [seconds] [settle-seconds]
set -euo pipefail
build_dir=$(cd "${1:-build}" && pwd)
seconds=${2:-60}
settle=${3:-15}
source "$(dirname "$0")/idle_cpu_lib.sh"

# A private X server on a display number it picks itself, and a notification area on it.
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset > "$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
trayer --edge top --align right --widthtype request --height 24 > /dev/null 2>&1 &
pids+=($!)
sleep 2


# measure NAME COMMAND...: prints "NAME<TAB>microseconds of CPU over the interval".
measure() {
  local name=$1
  shift
  local home="$work/$name"
  mkdir -p "$home/runtime" "$home/settings" && chmod 700 "$home/runtime"
  printf '[General]\nSaveVersion=6\nIsFirstStart=false\n%b' "${extra_settings:-}" \
    > "$home/settings/kavo_settings.ini"
  env XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_HOME="$home/config" \
      XDG_DATA_HOME="$home/data" KAVO_SETTINGS_DIR="$home/settings" KAVO_PLATFORM=x11 \
      QT_QPA_PLATFORM=xcb "$@" > "$home/log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  sleep "$settle"
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "$name ended early; its output:" >&2
    cat "$home/log" >&2
    exit 1
  fi
  local start end companion_start companion_end
  start=$(cpu_ns "$pid")
  [ -n "${compositor_pid:-}" ] && companion_start=$(cpu_ns "$compositor_pid")
  sleep "$seconds"
  end=$(cpu_ns "$pid")
  [ -n "${compositor_pid:-}" ] && companion_end=$(cpu_ns "$compositor_pid")
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null || true
  printf '%s\t%d\n' "$name" $(( (end - start) / 1000 ))
  if [ -n "${compositor_pid:-}" ]; then
    printf '%s\t%d\n' "xcompmgr meanwhile" $(( (companion_end - companion_start) / 1000 ))
  fi
}

measure "bare Qt tray program" "$build_dir/bench/idle/bench_bare_tray" >> "$work/results"
measure "Kavo, window closed" "$build_dir/src/kavo" >> "$work/results"
measure "bare QtWebKit web view" "$build_dir/bench/idle/bench_bare_webview" >> "$work/results"
measure "Kavo, window open" "$build_dir/src/kavo" --show_ui >> "$work/results"

overlay='UseOverlayScreen=true\nUseManualColorSettings=true\nNightOpacity=40\n'
extra_settings=$overlay measure "Kavo, overlay in the gamma ramps (no compositor)" \
  "$build_dir/src/kavo" >> "$work/results"
xcompmgr > /dev/null 2>&1 &
compositor_pid=$!
pids+=("$compositor_pid")
sleep 2
measure "Kavo, window closed, with xcompmgr" "$build_dir/src/kavo" >> "$work/results"
extra_settings=$overlay measure "Kavo, overlay shown, with xcompmgr" "$build_dir/src/kavo" \
  >> "$work/results"

print_table "Idle CPU on Xvfb, ${seconds} s each after ${settle} s of start-up:" "$seconds" "$work/results"
