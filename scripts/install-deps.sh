#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Kavo needs.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake make pkg-config
  # Qt 5.15
  qtbase5-dev qtbase5-dev-tools libqt5svg5-dev
  libqt5webkit5-dev qtmultimedia5-dev libqt5x11extras5-dev
  qttools5-dev qttools5-dev-tools
  # X11
  libx11-dev libxrandr-dev libxi-dev libxtst-dev
  # Wayland: the client and server libraries, wayland-scanner (protocol code generated at build
  # time) and the protocol descriptions Debian ships (xdg-output)
  libwayland-dev libwayland-bin wayland-protocols
  # Qt's wayland platform, which Kavo's windows use in a Wayland session without Xwayland
  qtwayland5
  # the keymap a wlroots compositor sends, read when a strict break holds the keyboard
  libxkbcommon-dev
  # the X Resource extension: the pid of a window that carries no _NET_WM_PID
  libxres-dev
  # camera and face detection: the OpenCV modules Kavo uses and the Haar cascades
  libopencv-core-dev libopencv-imgproc-dev libopencv-imgcodecs-dev
  libopencv-objdetect-dev libopencv-videoio-dev opencv-data
  # GNOME's night light settings through GSettings (GIO)
  libglib2.0-dev
  # benchmarks; hyperfine times kavoctl's runs in bench/idle/lean_goals.py
  libbenchmark-dev hyperfine
  # tests: a real X server, input injection, an independent sun almanac
  xvfb xauth x11-xserver-utils xdotool python3 python3-astral
  # tests: a window manager, a compositor and a notification area on Xvfb
  openbox xcompmgr trayer x11-utils
  # tests: a real wlroots compositor run headless, its Xwayland, and a look at its screen
  sway xwayland grim
  # tests: keys typed through the compositor's virtual keyboard (the strict break's grab)
  wtype
  # tests: KDE Plasma's compositor headless (idleness, the KWin script for the window in front)
  kwin-wayland
  # tests: a private D-Bus for the session signals
  dbus-daemon dbus-bin
  # tests: the face picture the camera tests make their frames from
  opencv-doc
  # tests: KDE Plasma's night colour on a headless KWin, and GNOME's night light schema
  kwin-wayland gnome-settings-daemon-common
  # tests: desktop entries checked and launched as desktops read them
  desktop-file-utils libglib2.0-bin
  # the glyphs of Kavo's languages beyond Latin, Greek and Cyrillic (screenshots, and a
  # desktop without them): Chinese, Japanese and Korean; Hindi
  fonts-wqy-microhei fonts-lohit-deva
  # fuzzing: clang with libFuzzer and its sanitizers
  clang
  # the icons rendered from their SVG, and the manual pages from their scdoc source
  librsvg2-bin scdoc
  # make deb: CPack finds the runtime dependencies with dpkg-shlibdeps, which needs file
  dpkg-dev file
  # tests of the package and its data: lintian, the AppStream validator, man's warnings, and
  # the zsh and fish completions read by their shells
  lintian appstream man-db zsh fish
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
