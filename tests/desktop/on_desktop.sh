#!/usr/bin/env bash
# Runs a command on a desktop of its own, as a user's program runs: an X
# server (Xvfb) with the openbox window manager, a session bus and the
# accessibility bus that screen readers use.
# Usage: on_desktop.sh command [arguments...]
set -euo pipefail

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  [[ -n "${DBUS_SESSION_BUS_PID:-}" ]] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# Waits up to five seconds for a command to succeed.
wait_until() {
  for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.05; done
  return 1
}

# -noreset: the server would start over whenever its last client left,
# refusing whoever connects in the meantime.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset \
  3>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
wait_until test -s "$scratch/display" ||
  { echo "on_desktop: no X server" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$scratch/display")"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

eval "$(dbus-launch --sh-syntax)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The window manager is ready once it names itself on the root window.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
pids+=($!)
wait_until wm_ready ||
  { echo "on_desktop: openbox did not start" >&2; cat "$scratch/openbox.log" >&2; exit 1; }

"$@"
