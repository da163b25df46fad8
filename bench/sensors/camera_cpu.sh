#!/usr/bin/env bash
# CPU time of kavo's camera thread, and of the whole process, while the simulated camera
# films a face blinking at 30 frames a second with blink detection and automatic brightness
# on; then the whole process with the camera off, for comparison.
# Usage: bench/sensors/camera_cpu.sh [build-dir] [seconds]
set -euo pipefail
build_dir=${1:-build}
seconds=${2:-60}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
"$build_dir/bench/sensors/make_face_frames" "$work"
cat > "$work/desktop.json" <<JSON
{"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080}],
 "camera": {"frames": ["open.png", "open.png", "open.png", "closed.png", "closed.png",
                       "open.png", "open.png", "open.png", "open.png", "open.png"], "fps": 30}}
JSON
export KAVO_PLATFORM=sim QT_QPA_PLATFORM=offscreen KAVO_SIM_CONFIG="$work/desktop.json" \
       KAVO_SIM_STATE="$work/state.json" XDG_RUNTIME_DIR="$work/runtime" \
       XDG_CONFIG_HOME="$work/config"
ticks=$(getconf CLK_TCK)

# Whole-process and camera-thread CPU (ms) of kavo over $seconds, with the camera on or off.
measure() {
    local camera=$1
    export KAVO_SETTINGS_DIR="$work/settings-$camera"
    mkdir -p "$KAVO_SETTINGS_DIR"
    cat > "$KAVO_SETTINGS_DIR/kavo_settings.ini" <<INI
[General]
SaveVersion=6
CameraActive=$camera
UseBlinkDetection=true
UseAutomaticBrightness=true
INI
    "$build_dir/src/kavo" > "$work/kavo-$camera.log" 2>&1 &
    local pid=$!
    sleep 3 # start-up and the start glide
    local thread=""
    for task in /proc/$pid/task/*; do
        if [ "$(cat "$task/comm")" = "Camera" ]; then thread=$task; fi
    done
    read -r p0u p0s < <(awk '{print $14, $15}' "/proc/$pid/stat")
    local t0u=0 t0s=0
    if [ -n "$thread" ]; then read -r t0u t0s < <(awk '{print $14, $15}' "$thread/stat"); fi
    sleep "$seconds"
    read -r p1u p1s < <(awk '{print $14, $15}' "/proc/$pid/stat")
    local t1u=0 t1s=0
    if [ -n "$thread" ]; then read -r t1u t1s < <(awk '{print $14, $15}' "$thread/stat"); fi
    kill -TERM "$pid"
    wait "$pid" || true
    process_ms=$(( (p1u + p1s - p0u - p0s) * 1000 / ticks ))
    thread_ms=$(( (t1u + t1s - t0u - t0s) * 1000 / ticks ))
}

measure true
echo "camera on for ${seconds}s: camera thread ${thread_ms} ms CPU" \
     "($(( thread_ms * 60 / seconds )) ms per minute, $(( thread_ms / (seconds * 10) ))% of a core);" \
     "whole kavo ${process_ms} ms"
measure false
echo "camera off for ${seconds}s: whole kavo ${process_ms} ms CPU"
