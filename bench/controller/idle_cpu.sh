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
if [ "$with_timer" = timer ]; then
  mkdir -p "$work/settings"
  printf '[General]\nSaveVersion=6\nTimerType=2\nTimerPaused=false\nWorkTime=120\n' \
    > "$work/settings/kavo_settings.ini"
fi
export KAVO_PLATFORM=sim QT_QPA_PLATFORM=offscreen KAVO_SIM_CONFIG="$work/desktop.json" \
       KAVO_SIM_STATE="$work/state.json" KAVO_SETTINGS_DIR="$work/settings" \
       XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
"$build_dir/src/kavo" > "$work/kavo.log" 2>&1 &
pid=$!
sleep 2 # start-up and the start glide are not idling
ticks=$(getconf CLK_TCK)
read -r start_user start_system < <(awk '{print $14, $15}' "/proc/$pid/stat")
sleep "$seconds"
read -r end_user end_system < <(awk '{print $14, $15}' "/proc/$pid/stat")
kill -TERM "$pid"
wait "$pid" || true
cpu_ms=$(( (end_user + end_system - start_user - start_system) * 1000 / ticks ))
echo "kavo idle for ${seconds}s: ${cpu_ms} ms CPU ($(( cpu_ms * 1000 / (seconds * 1000) )) ms per second)"
