#!/usr/bin/env bash
# Runs a command on a private X server with the accessibility bus up:
#   tests/e2e/run-x11.sh COMMAND [ARGS...]
# Starts Xvfb on a display of its own choosing (never resetting when
# clients leave, so that setxkbmap's layout stays), then runs COMMAND in
# its own D-Bus session with Qt's AT-SPI bridge forced on. The server is
# stopped however the command ends; the command's exit status is returned.
# The command gets at most FACTORIX_E2E_TIMEOUT seconds (default 240).
set -euo pipefail

if [[ $# -eq 0 ]]; then
  echo "usage: $0 COMMAND [ARGS...]" >&2
  exit 2
fi
for tool in Xvfb xdotool setxkbmap dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "run-x11.sh: $tool is missing" >&2; exit 1; }
done

xvfb_pid=""
xvfb_log=$(mktemp -t factorix-xvfb.XXXXXX)
runtime_dir=$(mktemp -d -t factorix-runtime.XXXXXX)
chmod 700 "$runtime_dir"
cleanup() {
  if [[ -n "$xvfb_pid" ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill "$xvfb_pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$xvfb_pid" 2>/dev/null || true
  fi
  rm -f "$xvfb_log"
  rm -rf "$runtime_dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and writes its number once it accepts
# connections: choosing the number here would race with a test that runs
# alongside and starts its server at the same moment.
display_file=$(mktemp -t factorix-display.XXXXXX)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" >"$xvfb_log" 2>&1 &
xvfb_pid=$!
display=""
for _ in $(seq 100); do  # up to 10 s for the server
  if (( $(wc -l <"$display_file") >= 1 )); then  # the number and its newline
    display=":$(head -n 1 "$display_file")"
    break
  fi
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
rm -f "$display_file"
if [[ -z "$display" ]]; then
  echo "run-x11.sh: could not start Xvfb" >&2
  cat "$xvfb_log" >&2
  exit 1
fi

export DISPLAY=$display
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
export NO_AT_BRIDGE=0
export QT_SCALE_FACTOR=1
export XDG_RUNTIME_DIR=$runtime_dir
# The program speaks the locale's language: the tests read its Spanish texts
# unless they set another locale themselves.
export LANG=C.UTF-8
unset WAYLAND_DISPLAY SESSION_MANAGER QT_IM_MODULE XMODIFIERS LANGUAGE LC_ALL LC_MESSAGES

set +e
timeout --kill-after=10 "${FACTORIX_E2E_TIMEOUT:-240}" dbus-run-session -- "$@"
status=$?
set -e
exit $status
