#!/usr/bin/env bash
# The installed layout: `cmake --install` into a throwaway root with the machine-wide data
# folder given here, the helper that prepares the folder and the settings, and two accounts of
# the machine that share one database: one after the other both work on it; while one has it
# open, the other is refused with the German message, never given a second database.
# Needs root (throwaway accounts and a throwaway group); without root it is skipped (77).
#   installed_layout.sh BUILD_DIR
set -euo pipefail
build=$1
if [ "$(id -u)" -ne 0 ]; then
    echo "needs root (throwaway accounts)"
    exit 77
fi

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

tmp=$(mktemp -d /tmp/zud-installed.XXXXXX)
group=zudt$$
userA=zuda$$
userB=zudb$$
hold_pid=""
cleanup() {
    if [ -n "$hold_pid" ]; then
        kill "$hold_pid" 2>/dev/null || true
        wait "$hold_pid" 2>/dev/null || true
    fi
    userdel "$userA" 2>/dev/null || true
    userdel "$userB" 2>/dev/null || true
    groupdel "$group" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
chmod 755 "$tmp"

root=$tmp/root
data=$tmp/var/lib/zud-software
DESTDIR=$root ZUD_MACHINE_DATA_DIR=$data cmake --install "$build" --prefix /usr >/dev/null ||
    fail "cmake --install"

# Files of the installation.
[ "$(cat "$root/usr/share/zud-software/datadir")" = "$data" ] || fail "datadir names $data"
conf=$root/etc/xdg/Brelk/ZUD.conf
[ -f "$conf" ] || fail "no $conf"
grep -q '^;AdminPassword=' "$conf" || fail "the settings file does not describe AdminPassword"
grep -q '^;SQLServer3=EMBEDDED' "$conf" || fail "the settings file does not describe SQLServer3"
[ "$(stat -c %a "$conf")" = 640 ] || fail "settings mode $(stat -c %a "$conf")"
for page in zudctl zud12-emulator; do
    gzip -t "$root/usr/share/man/man1/$page.1.gz" || fail "man page $page"
    zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q "^.TH" || fail "man page $page has no title"
done
[ -x "$root/usr/lib/zud-software/machine-setup" ] || fail "no machine-setup"

# The folder and the settings after the package's set-up.
"$root/usr/lib/zud-software/machine-setup" "$data" "$conf" "$group" || fail "machine-setup"
getent group "$group" >/dev/null || fail "no group $group"
[ "$(stat -c '%U:%G %a' "$data")" = "root:$group 2770" ] || fail "data folder: $(stat -c '%U:%G %a' "$data")"
[ "$(stat -c '%U:%G %a' "$conf")" = "root:$group 640" ] || fail "settings: $(stat -c '%U:%G %a' "$conf")"

useradd --no-create-home --home-dir "$tmp/home-a" --groups "$group" --shell /usr/sbin/nologin "$userA"
useradd --no-create-home --home-dir "$tmp/home-b" --groups "$group" --shell /usr/sbin/nologin "$userB"
useradd_outsider=zudc$$
install -d -o "$userA" -m 700 "$tmp/home-a"
install -d -o "$userB" -m 700 "$tmp/home-b"
# The helper that holds the database open runs from the installed tree, as the program does.
cp "$build/bin/zud_dbhold" "$root/usr/bin/"

as() {
    local user=$1
    shift
    local home=$tmp/home-a
    [ "$user" = "$userB" ] && home=$tmp/home-b
    env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 \
        setpriv --reuid="$user" --regid="$user" --init-groups "$@"
}
zudctl=$root/usr/bin/zudctl

# One after the other: A creates the database and a patient, B sees and adds, A sees B's.
out=$(as "$userA" "$zudctl" db create 2>&1) || fail "A: db create: $out"
[ "$out" = "angelegt: $data/DB/ZUDData3.gdb" ] || fail "A: db create said: $out"
id=$(as "$userA" "$zudctl" db add-patient --name Amsel --vorname Anna --geburtstag 1960-01-02 2>&1) ||
    fail "A: add-patient: $id"
out=$(as "$userB" "$zudctl" db patients 2>&1) || fail "B: patients: $out"
[ "$out" = "$id;Amsel;Anna;1960-01-02" ] || fail "B sees: $out"
id2=$(as "$userB" "$zudctl" db add-patient --name Buche --vorname Bernd --geburtstag 1961-02-03 2>&1) ||
    fail "B: add-patient: $id2"
out=$(as "$userA" "$zudctl" db patients 2>&1) || fail "A: patients: $out"
[ "$out" = "$id;Amsel;Anna;1960-01-02
$id2;Buche;Bernd;1961-02-03" ] || fail "A sees: $out"

# Everything in the folder is the group's and group-writable; nothing for others.
while IFS= read -r f; do
    m=$(stat -c '%G %a' "$f")
    g=${m% *}
    mode=${m#* }
    [ "$g" = "$group" ] || fail "$f belongs to group $g"
    (( (8#$mode & 8#060) == 8#060 )) || fail "$f is not group-writable: $mode"
    (( (8#$mode & 8#007) == 0 )) || fail "$f is open to others: $mode"
    if [ -d "$f" ]; then
        (( (8#$mode & 8#2000) != 0 )) || fail "folder $f does not pass on its group: $mode"
    fi
done < <(find "$data" -mindepth 1)
[ -f "$data/DB/ZUDData3.gdb" ] || fail "no database in the machine-wide folder"
[ -d "$data/lock" ] || fail "no lock folder in the machine-wide folder"
[ ! -e "$tmp/home-a/.local/share/Brelk" ] || fail "A has a data folder of its own"
[ ! -e "$tmp/home-b/.local/share/Brelk" ] || fail "B has a data folder of its own"

# At the same time: A holds the database open, B is refused with the message.
coproc HOLD { as "$userA" "$root/usr/bin/zud_dbhold" 2>&1; }
hold_pid=$HOLD_PID
read -r -t 60 line <&"${HOLD[0]}" || fail "A could not open the database"
[ "$line" = open ] || fail "A: $line"
set +e
out=$(as "$userB" "$zudctl" db patients 2>&1)
rc=$?
set -e
[ $rc -eq 1 ] || fail "B got the database while A had it open (rc $rc): $out"
refused=$out
case "$out" in
"Die Datenbankdatei wird gerade von einem anderen Programm benutzt."*) ;;
*) fail "B's message: $out" ;;
esac
exec {HOLD[1]}>&-
wait "$hold_pid" || fail "A's hold ended with an error"
hold_pid=""
out=$(as "$userB" "$zudctl" db patients 2>&1) || fail "B after A: $out"
[ "$(printf '%s\n' "$out" | wc -l)" = 2 ] || fail "B after A sees: $out"

# An account outside the group gets nothing.
useradd --no-create-home --shell /usr/sbin/nologin "$useradd_outsider"
set +e
out=$(env -i PATH=/usr/bin:/bin HOME=/nonexistent LANG=C.UTF-8 \
    setpriv --reuid="$useradd_outsider" --regid="$useradd_outsider" --init-groups "$zudctl" db patients 2>&1)
rc=$?
set -e
userdel "$useradd_outsider"
[ $rc -eq 1 ] || fail "an account outside the group read the database: $out"
echo "installed layout: ok; while A had it open, B was told: ${refused%%$'\n'*}"
