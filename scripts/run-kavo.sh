#!/usr/bin/env bash
# Starts Kavo from the build folder: on the X11 desktop when there is one, otherwise on the
# simulated desktop with a two-monitor config and its state file beside the build.
set -euo pipefail
build_dir=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${KAVO_PLATFORM:-}" ]; then
  export KAVO_PLATFORM=sim
  export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
  export KAVO_SIM_CONFIG=${KAVO_SIM_CONFIG:-$PWD/scripts/sim-desktop.json}
  export KAVO_SIM_STATE=${KAVO_SIM_STATE:-$PWD/$build_dir/sim-state.json}
  echo "No display: running on the simulated desktop; state in $KAVO_SIM_STATE"
fi
# The window opens at once, so a first run shows what Kavo is (it also lives in the tray).
exec "$build_dir/src/kavo" "${@:2}" --show_ui
