#!/usr/bin/env bash
# Whole-process CPU time of kavo idling on the simulated desktop (only its own timers run).
# Usage: bench/controller/idle_cpu.sh [build-dir] [seconds] [timer]
# With "timer" the break timer runs meanwhile (normal type, a work interval longer than the run).
set -euo pipefail
build_dir=${1:-build}
seconds=${2:-60}
with_timer=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
cat > "$work/desktop.json" <<'JSON'
{"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080},
              {"x": 1920, "y": 0, "width": 2560, "height": 1440}]}
JSON
# Without "timer" the break timer is off, so that the two runs differ by the timer alone.
mkdir -p "$work/settings"
if [ "$with_timer" = timer ]; then
  printf '[General]\nSaveVersion=6\nTimerType=2\nTimerPaused=false\nWorkTime=120\n' \
    > "$work/settings/kavo_settings.ini"
else
  printf '[General]\nSaveVersion=6\nTimerType=1\n' > "$work/settings/kavo_settings.ini"
fi
# No state file: writing the simulated desktop's report on every change (the tray's countdown
# changes every second) is the tests' cost, not Kavo's.
export KAVO_PLATFORM=sim QT_QPA_PLATFORM=offscreen KAVO_SIM_CONFIG="$work/desktop.json" \
       KAVO_SETTINGS_DIR="$work/settings" \
       XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
"$build_dir/src/kavo" > "$work/kavo.log" 2>&1 &
pid=$!
# Nanoseconds on a CPU, summed over the process's threads (finer than the clock ticks of
# /proc/PID/stat, which count in 10 ms steps).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{sum += $1} END {printf "%d", sum}'; }
sleep 2 # start-up and the start glide are not idling
start=$(cpu_ns "$pid")
sleep "$seconds"
end=$(cpu_ns "$pid")
kill -TERM "$pid"
wait "$pid" || true
cpu_us=$(( (end - start) / 1000 ))
echo "kavo idle for ${seconds}s: $(( cpu_us / 1000 )).$(( cpu_us % 1000 / 100 )) ms CPU" \
     "($(( cpu_us * 60 / seconds / 1000 )) ms per minute)"
