#!/usr/bin/env bash
# Starts the editor on a private X server and checks that its window opens 669 x 470 and centred.
set -euo pipefail

editor="$1"
title="ＱＺ７Ｔのエディタ"
work="$(mktemp -d)"
xvfb_pid=""
editor_pid=""

cleanup() {
  if [ -n "$editor_pid" ]; then kill "$editor_pid" 2>/dev/null || true; wait "$editor_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() { echo "FAIL: $*" >&2; exit 1; }

# Xvfb picks a free display number itself and reports it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
display=":$(head -n 1 "$work/display")"

(cd "$work" && DISPLAY="$display" QT_QPA_PLATFORM=xcb exec "$editor") >"$work/editor.log" 2>&1 &
editor_pid=$!

info=""
for _ in $(seq 100); do
  kill -0 "$editor_pid" 2>/dev/null || fail "the editor ended: $(cat "$work/editor.log")"
  info="$(xwininfo -display "$display" -name "$title" 2>/dev/null || true)"
  grep -q "Map State: IsViewable" <<<"$info" && break
  sleep 0.1
done
grep -q "Map State: IsViewable" <<<"$info" || fail "no viewable window titled $title"

field() { awk -F: -v key="$1" '$1 ~ "^ *" key "$" { gsub(/ /, "", $2); print $2; exit }' <<<"$2"; }
root="$(xwininfo -display "$display" -root)"
screen_width="$(field Width "$root")"
screen_height="$(field Height "$root")"
width="$(field Width "$info")"
height="$(field Height "$info")"
left="$(field "Absolute upper-left X" "$info")"
top="$(field "Absolute upper-left Y" "$info")"

[ "$width" = 669 ] && [ "$height" = 470 ] || fail "client area is ${width}x${height}, not 669x470"
off_x=$(( 2 * left + width - screen_width ))
off_y=$(( 2 * top + height - screen_height ))
[ "${off_x#-}" -le 1 ] && [ "${off_y#-}" -le 1 ] ||
  fail "window at ${left},${top} is not centred on a ${screen_width}x${screen_height} screen"
echo "window ${width}x${height} at ${left},${top} on ${screen_width}x${screen_height}"
