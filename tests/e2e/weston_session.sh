# A Wayland compositor for the end-to-end tests, with X programs shown through XWayland:
# weston with its X11 backend in the test's Xvfb (whose pointer and keyboard are the
# compositor's seat) and Xwayland inside it. Sourced after x_session.sh, not run.
#
# start_weston: starts it on the Xvfb display, waits until its X display answers, and
# then points DISPLAY at that display (the programs under test and the window queries)
# and OUTER at the Xvfb one (screenshots of what the compositor shows, and input through
# its seat). Skips (77), saying why, where weston or Xwayland is missing or cannot start.

start_weston() {
  local tool i display=""
  for tool in weston Xwayland; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
  done
  OUTER=$DISPLAY
  export XDG_RUNTIME_DIR="$WORK/runtime"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  # A plain white desktop (so that what shows through a window is known), no panel, no
  # screen lock, no animations; the software renderer draws the clients' pixels as they are.
  cat > "$WORK/weston.ini" <<'EOF'
[core]
xwayland=true
idle-time=0
require-input=false

[shell]
panel-position=none
background-color=0xffffffff
locking=false
animation=none
startup-animation=none
close-animation=none
focus-animation=none
EOF
  weston --config="$WORK/weston.ini" --backend=x11-backend.so --xwayland --use-pixman \
    --width=1024 --height=768 --socket=tinto-e2e --log="$WORK/weston.log" > "$WORK/weston.out" 2>&1 &
  WESTON_PID=$!
  STARTED_PIDS+=("$WESTON_PID")
  # Weston names the display it listens on for X programs; Xwayland starts at the first one.
  for i in $(seq 300); do
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log" 2>/dev/null)
    [ -n "$display" ] && DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null |
      grep -q 'window id' && break
    kill -0 "$WESTON_PID" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$display" ] || ! DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null |
    grep -q 'window id'; then
    echo "SKIP: weston with Xwayland did not start on this machine; it said:"
    tail -n 20 "$WORK/weston.out" "$WORK/weston.log" 2>/dev/null
    exit 77
  fi
  export DISPLAY=$display
  # The compositor's seat has the keyboard only while its window has the focus.
  outer xdotool search --name '^Weston Compositor' windowfocus 2>/dev/null
  sync_seat
}

# The X11 backend hands the compositor the pointer's motion as steps from where it was,
# so the two pointers can differ by an offset; pushing the pointer into two opposite
# corners, where the compositor clamps it, makes them agree.
sync_seat() {
  DISPLAY=$OUTER xdotool mousemove 0 0 sleep 0.1 mousemove 1023 767 sleep 0.1
}

# The compositor draws the pointer into its picture: out of the way, in the bottom right
# corner, for screenshots.
park_pointer() { DISPLAY=$OUTER xdotool mousemove 1023 767 sleep 0.1; }

# outer COMMAND...: runs an X program on the Xvfb display (the compositor's seat, the
# screen it draws).
outer() { DISPLAY=$OUTER "$@"; }
