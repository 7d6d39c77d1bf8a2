#!/usr/bin/env bash
# The program started by the practice software with its request file: zud-software --gdt FILE
# takes the file after the login (the patient is created, the file deleted) and comes up.
set -euo pipefail
BIN="$1"
T="$(mktemp -d)"
trap 'rm -rf "$T"' EXIT
export XDG_CONFIG_HOME="$T/user" XDG_CONFIG_DIRS="$T/system" ZUD_DATA_DIR="$T/data"
mkdir -p "$T/gdt"
# A 6302 request for "Müller, Eva" (CP 437), every length counted.
printf '01380006302\r\n014810000%03d\r\n0148315ZUD12\r\n0128316PVS\r\n01092062\r\n014921802.10\r\n0123000G-7\r\n0153101M\x81ller\r\n0123102Eva\r\n017310312031966\r\n' \
    $((13 + 14 + 14 + 12 + 10 + 14 + 12 + 15 + 12 + 17)) >"$T/gdt/ZUD12PVS.GDT"
unset QT_QPA_PLATFORM
out="$(xvfb-run -a "$BIN/zud-software" --smoke-test --gdt "$T/gdt/ZUD12PVS.GDT" 2>"$T/err.log")" || {
    echo "program failed: $?"; cat "$T/err.log"; exit 1; }
grep -q "main window shown and idle" <<<"$out"
[ ! -e "$T/gdt/ZUD12PVS.GDT" ] || { echo "request not taken"; ls -R "$T/gdt"; cat "$T/data/Logfile.txt" 2>/dev/null; exit 1; }
patients="$("$BIN/zudctl" --db-dir "$T/data/DB" db patients)"
echo "$patients"
grep -q ";Müller;Eva;1966-03-12" <<<"$patients"
