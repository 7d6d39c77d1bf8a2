#!/usr/bin/env bash
# Opens the EDF+ file of every operating mode in EDFbrowser on a virtual display with a window
# manager: each opens with its signal dialog and no other window (a warning or an error would be
# one); all signals are added and the screen is kept as a screenshot.
# Arguments: the folder of the test programs, the folder for the screenshots.
set -euo pipefail
BIN="$1"
OUT="$2"
mkdir -p "$OUT"
T="$(mktemp -d)"
trap 'rm -rf "$T"' EXIT
mkdir "$T/edf" "$T/home"
ZUD_EDF_KEEP="$T/edf" QT_QPA_PLATFORM=offscreen "$BIN/gdt_tests" \
    --gtest_filter=EdfExport.EveryModeReadsBackWithBiosig >"$T/gdt.log" 2>&1
cat >"$T/run.sh" <<INNER
#!/usr/bin/env bash
set -u
openbox >"$T/wm.log" 2>&1 &
wm=\$!
sleep 1
rc=0
for f in "$T"/edf/*.edf; do
    name=\$(basename "\$f")
    HOME="$T/home" edfbrowser "\$f" >"$T/\$name.log" 2>&1 &
    viewer=\$!
    sleep 3
    # The viewer's titled windows: the main window and the signal dialog, nothing else.
    titles=\$(xwininfo -root -tree | grep '("edfbrowser" "edfbrowser")' | grep -o '^ *0x[0-9a-f]* "[^"]*"' | sed 's/^ *0x[0-9a-f]* //')
    others=\$(echo "\$titles" | grep -v -x -e "\"\$name - EDFbrowser\"" -e '"Add signals"' || true)
    if ! echo "\$titles" | grep -q -x "\"\$name - EDFbrowser\""; then
        echo "\$name: no EDFbrowser window with the file: \$titles"
        rc=1
    elif [ -n "\$others" ]; then
        echo "\$name: EDFbrowser shows further windows: \$others"
        rc=1
    else
        echo "\$name: opened"
    fi
    if w=\$(xdotool search --name "Add signals" | head -1) && [ -n "\$w" ]; then
        xdotool windowactivate --sync "\$w" key alt+a # "Add signal(s)": all are selected
        sleep 1
    fi
    # A busy machine: the screen is grabbed once more after a moment before that counts as failed.
    shot="$OUT/\${name%.edf}.png"
    QT_QPA_PLATFORM=xcb "$BIN/grab_screen" "\$shot" 2>/dev/null ||
        { sleep 2; QT_QPA_PLATFORM=xcb "$BIN/grab_screen" "\$shot"; } || { echo "\$name: no screenshot"; rc=1; }
    kill \$viewer 2>/dev/null
    wait \$viewer 2>/dev/null
done
kill \$wm 2>/dev/null
exit \$rc
INNER
chmod +x "$T/run.sh"
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1600x1000x24" "$T/run.sh"
echo "screenshots: $OUT"
