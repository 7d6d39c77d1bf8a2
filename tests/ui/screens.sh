#!/usr/bin/env bash
# The window checks of screens_tests on a real X server (Xvfb, 1600 x 1000) with a window
# manager, as a therapist's desktop draws them: fonts, frames and sizes differ from offscreen.
# The screenshots (each window alone and the whole screen) are kept in the folder given.
set -euo pipefail
BIN="$1"
OUT="$2"
rm -rf "$OUT"
mkdir -p "$OUT"
T="$(mktemp -d)"
trap 'rm -rf "$T"' EXIT
cat >"$T/run.sh" <<INNER
#!/usr/bin/env bash
set -u
wm=""
if command -v openbox >/dev/null; then
    openbox >"$T/wm.log" 2>&1 &
    wm=\$!
    sleep 1
else
    echo "no window manager (openbox) installed: the screenshots have no frames"
fi
ZUD_SCREENSHOTS="$OUT" QT_QPA_PLATFORM=xcb "$BIN/screens_tests"
rc=\$?
[ -n "\$wm" ] && kill "\$wm" 2>/dev/null
exit \$rc
INNER
chmod +x "$T/run.sh"
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1600x1000x24" "$T/run.sh"
echo "screenshots: $OUT"
