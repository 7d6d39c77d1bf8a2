#!/usr/bin/env bash
# The built .deb installed for real with dpkg into a throwaway copy of this machine (an overlay of
# / in a private mount namespace, entered with chroot): the maintainer scripts make the group and
# the shared data folder, a member of the group keeps patients there, and removing, installing
# again and purging keep them; purging says what stays. Nothing reaches the real system.
# Needs root, unshare and overlayfs; otherwise skipped (77).
#   deb_install_check.sh DEB
set -euo pipefail
deb=$(readlink -f "$1")

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

if [ -z "${ZUD_IN_NAMESPACE:-}" ]; then
    if [ "$(id -u)" -ne 0 ] || ! command -v unshare >/dev/null; then
        echo "needs root and unshare"
        exit 77
    fi
    [ -f "$deb" ] || fail "no package $1"
    tmp=$(mktemp -d /tmp/zud-deb.XXXXXX)
    rc=0
    ZUD_IN_NAMESPACE=$tmp unshare --mount --propagation private "$0" "$@" || rc=$?
    rm -rf "$tmp"
    exit $rc
fi

tmp=$ZUD_IN_NAMESPACE
mkdir -p "$tmp/upper" "$tmp/work" "$tmp/root"
mount -t overlay overlay -o "lowerdir=/,upperdir=$tmp/upper,workdir=$tmp/work" "$tmp/root" || {
    echo "no overlayfs"
    exit 77
}
root=$tmp/root
mount --bind /proc "$root/proc"
mount --bind /dev "$root/dev"
mount -t tmpfs tmpfs "$root/tmp"
cp "$deb" "$root/tmp/zud.deb"
inroot() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

# A leftover of an earlier installation on the copied system would hide what the package does.
inroot sh -c 'dpkg --purge zud-software >/dev/null 2>&1; rm -rf /var/lib/zud-software; delgroup zud >/dev/null 2>&1' || true

inroot dpkg -i /tmp/zud.deb >"$tmp/install.log" 2>&1 || fail "dpkg -i: $(cat "$tmp/install.log")"
inroot getent group zud >/dev/null || fail "no group zud"
[ "$(inroot stat -c '%U:%G %a' /var/lib/zud-software)" = "root:zud 2770" ] || fail "data folder"
[ "$(inroot stat -c '%U:%G %a' /etc/xdg/Brelk/ZUD.conf)" = "root:zud 640" ] || fail "settings file"
inroot useradd --create-home --groups zud anna
as_anna() { chroot "$root" env -i PATH=/usr/bin:/bin HOME=/home/anna LANG=C.UTF-8 \
    setpriv --reuid=anna --regid=anna --init-groups "$@"; }
out=$(as_anna zudctl db create 2>&1) || fail "anna: db create: $out"
[ "$out" = "angelegt: /var/lib/zud-software/DB/ZUDData3.gdb" ] || fail "anna: $out"
id=$(as_anna zudctl db add-patient --name Paket --vorname Paula --geburtstag 1966-06-06 2>&1) ||
    fail "anna: add-patient: $id"
want="$id;Paket;Paula;1966-06-06"

inroot dpkg -r zud-software >/dev/null 2>&1 || fail "dpkg -r"
[ -f "$root/var/lib/zud-software/DB/ZUDData3.gdb" ] || fail "removing deleted the database"
inroot dpkg -i /tmp/zud.deb >/dev/null 2>&1 || fail "installing again"
inroot dpkg -i /tmp/zud.deb >/dev/null 2>&1 || fail "installing over itself"
out=$(as_anna zudctl db patients 2>&1) || fail "anna after reinstalling: $out"
[ "$out" = "$want" ] || fail "after reinstalling: $out"
# The database file: the group's, writable by the group, nothing for others.
read -r owner mode < <(inroot stat -c '%U:%G %a' /var/lib/zud-software/DB/ZUDData3.gdb)
[ "$owner" = anna:zud ] && (((8#$mode & 8#060) == 8#060 && (8#$mode & 8#007) == 0)) ||
    fail "database file: $owner $mode"

purge=$(inroot dpkg --purge zud-software 2>&1) || fail "dpkg --purge: $purge"
grep -q "/var/lib/zud-software" <<<"$purge" || fail "purge does not say what stays: $purge"
[ -f "$root/var/lib/zud-software/DB/ZUDData3.gdb" ] || fail "purging deleted the database"
[ ! -e "$root/etc/xdg/Brelk/ZUD.conf" ] || fail "purging left the settings file"
[ ! -e "$root/usr/bin/zudctl" ] || fail "purging left the program"
echo "dpkg install, remove, reinstall, purge: ok"
