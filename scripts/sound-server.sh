# Sourced by test.sh: a private PulseAudio server with a null sink, so that
# the sound test can play for real on a machine without a sound card.
start_sound_server() {
  export VARMIKO_PULSE_DIR
  VARMIKO_PULSE_DIR=$(mktemp -d)
  chmod 700 "$VARMIKO_PULSE_DIR"
  if command -v pulseaudio >/dev/null 2>&1; then
    XDG_RUNTIME_DIR="$VARMIKO_PULSE_DIR" pulseaudio --daemonize=yes --exit-idle-time=-1 \
      --system=false --disallow-exit=false >/dev/null 2>&1 || true
    XDG_RUNTIME_DIR="$VARMIKO_PULSE_DIR" pactl load-module module-null-sink sink_name=varmiko_null \
      >/dev/null 2>&1 || true
    if [ -S "$VARMIKO_PULSE_DIR/pulse/native" ]; then
      export VARMIKO_PULSE_SERVER="unix:$VARMIKO_PULSE_DIR/pulse/native"
    fi
  fi
}

stop_sound_server() {
  if [ -n "${VARMIKO_PULSE_DIR:-}" ]; then
    local pid
    pid=$(cat "$VARMIKO_PULSE_DIR/pulse/pid" 2>/dev/null || true)
    if [ -n "$pid" ] && kill "$pid" 2>/dev/null; then
      # the server removes its files as it ends: wait for it before cleaning up
      for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
    rm -rf "$VARMIKO_PULSE_DIR"
  fi
}
