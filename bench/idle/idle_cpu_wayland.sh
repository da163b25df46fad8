#!/usr/bin/env bash
# Whole-process idle CPU of Kavo (window closed) on Debian's sway, headless, beside the same
# Kavo on a private Xvfb, SECONDS each after SETTLE seconds of start-up; the display server's
# own CPU meanwhile on a row of its own. On sway Kavo runs under Qt's wayland platform with its
# wayland backend (the headless output refuses gamma, so its colour route is none); on Xvfb
# with the x11 backend and its ramps. sway refuses to run as root: run as root, the script
# starts sway and that Kavo as "nobody".
# Usage: bench/idle/idle_cpu_wayland.sh [build-dir] [seconds] [settle-seconds]
set -euo pipefail
build_dir=$(cd "${1:-build}" && pwd)
seconds=${2:-60}
settle=${3:-15}
source "$(dirname "$0")/idle_cpu_lib.sh"
chmod 755 "$work"

as_user=()
owner=$(id -u)
if [ "$owner" -eq 0 ]; then
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
  owner=65534
fi

folders() {
  local home=$1
  mkdir -p "$home/runtime" "$home/settings" "$home/config" "$home/data"
  chmod 700 "$home/runtime"
  printf '[General]\nSaveVersion=6\nIsFirstStart=false\n' > "$home/settings/kavo_settings.ini"
  chown -R "$owner:$owner" "$home"
}

# measure NAME SERVER_PID ENV... -- COMMAND...: prints "NAME<TAB>µs" and the server's row.
measure() {
  local name=$1 server=$2
  shift 2
  local home="$work/$name"
  folders "$home"
  env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_HOME="$home/config" HOME="$home" \
      XDG_DATA_HOME="$home/data" KAVO_SETTINGS_DIR="$home/settings" "$@" > "$home/log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  sleep "$settle"
  local kavo
  kavo=$(pgrep -n -f "^$build_dir/src/kavo\$" || true)
  if [ -z "$kavo" ]; then
    echo "$name ended early; its output:" >&2
    cat "$home/log" >&2
    exit 1
  fi
  local start end server_start server_end
  start=$(cpu_ns "$kavo")
  server_start=$(cpu_ns "$server")
  sleep "$seconds"
  end=$(cpu_ns "$kavo")
  server_end=$(cpu_ns "$server")
  kill -TERM "$kavo"
  wait "$pid" 2>/dev/null || true
  printf '%s\t%d\n' "$name" $(( (end - start) / 1000 ))
  printf '%s\t%d\n' "$name: display server meanwhile" $(( (server_end - server_start) / 1000 ))
}

# sway, headless, in a runtime folder of its own user.
session="$work/session"
mkdir -p "$session" && chmod 700 "$session" && chown "$owner:$owner" "$session"
cat > "$work/sway.config" <<'CONFIG'
xwayland disable
exec sh -c 'echo "$WAYLAND_DISPLAY" > "$XDG_RUNTIME_DIR/displays.tmp" && mv "$XDG_RUNTIME_DIR/displays.tmp" "$XDG_RUNTIME_DIR/displays"'
CONFIG
env -i PATH="$PATH" HOME="$session" XDG_RUNTIME_DIR="$session" WLR_BACKENDS=headless \
    WLR_LIBINPUT_NO_DEVICES=1 "${as_user[@]}" sway -c "$work/sway.config" > "$work/sway.log" 2>&1 &
sway_pid=$!  # env and setpriv hand their process on to sway
pids+=("$sway_pid")
for _ in $(seq 1 300); do [ -s "$session/displays" ] && break; sleep 0.1; done
[ -s "$session/displays" ] || { echo "sway did not start:" >&2; cat "$work/sway.log" >&2; exit 1; }
wayland="$session/$(cat "$session/displays")"

measure "Kavo on sway (headless)" "$sway_pid" XDG_SESSION_TYPE=wayland \
  WAYLAND_DISPLAY="$wayland" QT_QPA_PLATFORM=wayland "${as_user[@]}" "$build_dir/src/kavo" \
  >> "$work/results"

exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp -noreset > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
pids+=("$xvfb_pid")
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
measure "Kavo on Xvfb" "$xvfb_pid" XDG_SESSION_TYPE=x11 \
  DISPLAY=":$(head -n1 "$work/display")" KAVO_PLATFORM=x11 QT_QPA_PLATFORM=xcb \
  "$build_dir/src/kavo" >> "$work/results"

print_table "Idle CPU, ${seconds} s each after ${settle} s of start-up:" "$seconds" "$work/results"
