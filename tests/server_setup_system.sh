#!/usr/bin/env bash
# zudctl server-setup --system end to end, without touching this machine's Firebird: in private
# mount and network namespaces the Debian server's configuration (/etc/firebird/3.0) and data
# (/var/lib/firebird/3.0) are copies, /var/lib/zud-software is empty, and a stand-in systemctl
# starts and stops /usr/sbin/firebird as the firebird account the way the service does.
# Needs root, unshare and Debian's firebird3.0-server; otherwise skipped (77).
#   server_setup_system.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)

fail() {
    echo "FAILED: $*" >&2
    if [ -n "${ZUD_IN_NAMESPACE:-}" ] && [ -s "$ZUD_IN_NAMESPACE/firebird.log" ]; then
        echo "--- the server's log:" >&2
        tail -n 20 "$ZUD_IN_NAMESPACE/firebird.log" >&2
    fi
    exit 1
}

if [ -z "${ZUD_IN_NAMESPACE:-}" ]; then
    if [ "$(id -u)" -ne 0 ] || ! command -v unshare >/dev/null || ! command -v ip >/dev/null ||
        [ ! -f /etc/firebird/3.0/firebird.conf ] || [ ! -d /var/lib/firebird/3.0/system ] ||
        ! getent passwd firebird >/dev/null; then
        echo "needs root, unshare, ip and Debian's firebird3.0-server"
        exit 77
    fi
    tmp=$(mktemp -d /tmp/zud-server-setup.XXXXXX)
    chmod 755 "$tmp"
    rc=0
    ZUD_IN_NAMESPACE=$tmp unshare --mount --net --propagation private "$0" "$@" || rc=$?
    rm -rf "$tmp"
    exit $rc
fi

tmp=$ZUD_IN_NAMESPACE
ip link set lo up
cp -a /etc/firebird/3.0 "$tmp/etc"
cp -a /var/lib/firebird/3.0 "$tmp/fbvar"
mount --bind "$tmp/etc" /etc/firebird/3.0
mkdir -p "$tmp/varlib"
mount -t tmpfs tmpfs /var/lib
mkdir -p /var/lib/firebird/3.0
mount --bind "$tmp/fbvar" /var/lib/firebird/3.0
install -d -o firebird -g firebird "$tmp/lock"

# The service as systemd runs it: the server as the firebird account.
mkdir -p "$tmp/bin"
cat >"$tmp/bin/systemctl" <<SCRIPT
#!/bin/sh
pidfile=$tmp/firebird.pid
stop() {
    if [ -f "\$pidfile" ]; then
        # As systemd does: back only when the server is gone (a loaded machine may take
        # seconds), killed after the stop timeout.
        kill "\$(cat "\$pidfile")" 2>/dev/null || true
        for i in \$(seq 300); do kill -0 "\$(cat "\$pidfile")" 2>/dev/null || break; sleep 0.1; done
        kill -9 "\$(cat "\$pidfile")" 2>/dev/null || true
        for i in \$(seq 50); do kill -0 "\$(cat "\$pidfile")" 2>/dev/null || break; sleep 0.1; done
        rm -f "\$pidfile"
    fi
}
case "\$1" in
stop) stop ;;
start | restart)
    stop
    setsid setpriv --reuid=firebird --regid=firebird --init-groups env FIREBIRD_LOCK=$tmp/lock \
        /usr/sbin/firebird >>$tmp/firebird.log 2>&1 </dev/null &
    echo \$! >"\$pidfile"
    ;;
enable) ;;
*) exit 1 ;;
esac
SCRIPT
chmod 755 "$tmp/bin/systemctl"
export PATH=$tmp/bin:$PATH
trap '"$tmp/bin/systemctl" stop' EXIT

printf 'Praxis-Geheim-2026\n' >"$tmp/sysdba.pw"
chmod 600 "$tmp/sysdba.pw"
zudctl=$build/bin/zudctl
export ZUD_DATA_DIR=$tmp/ws XDG_CONFIG_HOME=$tmp/cfg

out=$("$zudctl" server-setup --system --password-file "$tmp/sysdba.pw" --host praxisserver 2>"$tmp/err") ||
    fail "server-setup: $(cat "$tmp/err")"
[ "$(head -n1 <<<"$out")" = "SQLServer3=praxisserver" ] || fail "printed: $out"
grep -q "^Datenbank angelegt: /var/lib/zud-software/DB/ZUDData3.gdb$" "$tmp/err" || fail "said: $(cat "$tmp/err")"

conf=/etc/firebird/3.0/firebird.conf
grep -q '^WireCrypt = Required$' $conf || fail "WireCrypt not required"
grep -q '^RemoteServicePort = 3052$' $conf || fail "port not 3052"
! grep -Eiq '^\s*RemoteBindAddress\s*=' $conf || fail "the service is still bound to one address"
[ -f $conf.zud-orig ] || fail "the original configuration was not kept"
grep -q '^ISC_PASSWORD="Praxis-Geheim-2026"$' /etc/firebird/3.0/SYSDBA.password || fail "SYSDBA.password not updated"
[ "$(stat -c '%U:%G %a' /var/lib/zud-software/DB)" = "firebird:firebird 700" ] ||
    fail "database folder: $(stat -c '%U:%G %a' /var/lib/zud-software/DB)"
[ "$(stat -c '%U:%G %a' /var/lib/zud-software/DB/ZUDData3.gdb)" = "firebird:firebird 600" ] ||
    fail "database file: $(stat -c '%U:%G %a' /var/lib/zud-software/DB/ZUDData3.gdb)"
[ "$(stat -c '%U' /var/lib/firebird/3.0/system/security3.fdb)" = firebird ] || fail "security database changed hands"

# A workstation's view: the line printed, the password, an encrypted connection.
db=(--db-server 127.0.0.1 --db-port 3052 --db-dir /var/lib/zud-software/DB)
"$zudctl" "${db[@]}" --db-password-file "$tmp/sysdba.pw" db add-patient --name Server --vorname Sonja \
    --geburtstag 1970-05-06 >/dev/null 2>"$tmp/err" || fail "add-patient: $(cat "$tmp/err")"
out=$("$zudctl" "${db[@]}" --db-password-file "$tmp/sysdba.pw" db patients 2>"$tmp/err") ||
    fail "patients: $(cat "$tmp/err")"
grep -q ';Server;Sonja;1970-05-06$' <<<"$out" || fail "patients: $out"
printf '7q3K9w2R\n' >"$tmp/old.pw"
if "$zudctl" "${db[@]}" --db-password-file "$tmp/old.pw" db patients >/dev/null 2>"$tmp/err"; then
    fail "the built-in password still opens the server"
fi
grep -q "^Benutzername oder Passwort ist falsch." "$tmp/err" || fail "wrong password said: $(cat "$tmp/err")"

# The workstation package on the same machine makes the folder its group's (mode 2770): the
# database folder stays the firebird account's, and the next set-up lets that account in.
group=zudt$$
"$(dirname "$0")/../data/machine-setup" /var/lib/zud-software "$tmp/none.conf" "$group" ||
    fail "machine-setup on the server"
trap 'gpasswd -d firebird "$group" >/dev/null 2>&1 || true; groupdel "$group" 2>/dev/null || true; "$tmp/bin/systemctl" stop' EXIT
[ "$(stat -c '%U:%G %a' /var/lib/zud-software)" = "root:$group 2770" ] || fail "data folder after machine-setup"
[ "$(stat -c '%U:%G %a' /var/lib/zud-software/DB)" = "firebird:firebird 700" ] ||
    fail "machine-setup opened the database folder: $(stat -c '%U:%G %a' /var/lib/zud-software/DB)"
[ "$(stat -c '%U:%G %a' /var/lib/zud-software/DB/ZUDData3.gdb)" = "firebird:firebird 600" ] ||
    fail "machine-setup opened the database: $(stat -c '%U:%G %a' /var/lib/zud-software/DB/ZUDData3.gdb)"

# A second run keeps the database and its patients.
out=$("$zudctl" server-setup --system --password-file "$tmp/sysdba.pw" --host praxisserver 2>"$tmp/err") ||
    fail "second server-setup: $(cat "$tmp/err")"
[ "$(head -n1 <<<"$out")" = "SQLServer3=praxisserver" ] || fail "second run printed: $out"
grep -q "^Datenbank vorhanden:" "$tmp/err" || fail "second run said: $(cat "$tmp/err")"
grep -q "^Das Konto firebird ist jetzt Mitglied der Gruppe $group" "$tmp/err" || fail "second run said: $(cat "$tmp/err")"
id -nG firebird | grep -qw "$group" || fail "firebird was not let into the group of the data folder"
out=$("$zudctl" "${db[@]}" --db-password-file "$tmp/sysdba.pw" db patients 2>"$tmp/err") ||
    fail "patients after the second run: $(cat "$tmp/err")"
grep -q ';Server;Sonja;' <<<"$out" || fail "the second run lost the patient: $out"
echo "server-setup --system: ok"
