#!/usr/bin/env bash
# Runs the real program under Xvfb with the demo device: the main window must come up and
# the program must end cleanly.
set -euo pipefail
BIN="$1"
T="$(mktemp -d)"
EMU=""
trap '[ -n "$EMU" ] && kill "$EMU" 2>/dev/null; wait 2>/dev/null; rm -rf "$T"' EXIT
export XDG_CONFIG_HOME="$T/user" XDG_CONFIG_DIRS="$T/system" ZUD_DATA_DIR="$T/data"
"$BIN/zud12-emulator" --demo --link "$T/zud12" >"$T/emu.log" 2>&1 &
EMU=$!
for _ in $(seq 100); do [ -e "$T/zud12" ] && break; sleep 0.05; done
[ -e "$T/zud12" ] || { echo "emulator link missing"; cat "$T/emu.log"; exit 1; }
unset QT_QPA_PLATFORM
out="$(xvfb-run -a "$BIN/zud-software" --smoke-test --port "$T/zud12" 2>"$T/err.log")" || {
    echo "program failed: $?"; cat "$T/err.log"; exit 1; }
echo "$out"
grep -q "main window shown and idle" <<<"$out"
# The port given for the run is not stored.
if grep -q "zud12" "$T/user/Brelk/ZUD.conf" 2>/dev/null; then echo "port was stored"; exit 1; fi
[ -e "$T/data/DB/ZUDData3.gdb" ] || { echo "database not created"; exit 1; }
