#!/usr/bin/env bash
# The Debian package, built once from this build tree with CPack and checked from the .deb:
# its control data (name, version, architecture, dependencies on Debian packages only,
# maintainer scripts, the settings file as conffile) and its contents (programs, data files,
# manuals, manual pages, desktop entry, settings, ownership and modes). lintian, when present,
# must find no error.
#   package_check.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

out=$build/package-test
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 || {
    cat "$out.log" >&2
    fail "cpack"
}
deb=$out/zud-software_${version}_amd64.deb
[ -f "$deb" ] || fail "no $deb (made: $(ls "$out"))"

info=$(dpkg-deb -I "$deb")
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zud-software ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
# The shared libraries as dpkg-shlibdeps finds them in the programs, and what they run or load.
for need in libqt6core6 libqt6widgets6 libqt6network6 libqt6multimedia6 libfbclient2 libserialport0 \
    firebird3.0-server-core firebird3.0-utils qt6-qpa-plugins; do
    grep -Eq "(^|, )$need( |,|$)" <<<"$depends" || fail "Depends lacks $need: $depends"
done
# Every dependency is a Debian package (all of them are installed on the build machine).
IFS=',' read -ra deps <<<"$depends"
for d in "${deps[@]}"; do
    for alt in ${d//|/ }; do
        case "$alt" in
        "(" | ")" | *"("* | *")"* | ">="* | "<="* | "=" | ">>" | "<<" | [0-9]*) continue ;;
        esac
        dpkg-query -W "$alt" >/dev/null 2>&1 || fail "dependency $alt is no installed Debian package"
    done
done
for script in postinst postrm conffiles md5sums; do
    grep -q " $script" <<<"$info" || fail "no $script in the control data"
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -e "$deb" "$tmp/control"
[ "$(cat "$tmp/control/conffiles")" = /etc/xdg/Brelk/ZUD.conf ] || fail "conffiles: $(cat "$tmp/control/conffiles")"
grep -Eq '^ */usr/lib/zud-software/machine-setup /var/lib/zud-software /etc/xdg/Brelk/ZUD.conf zud$' \
    "$tmp/control/postinst" || fail "postinst does not prepare the data folder"
[ "$(stat -c %a "$tmp/control/postinst")" = 755 ] || fail "postinst mode"
# Purging says what stays.
purge=$(sh "$tmp/control/postrm" purge)
grep -q /var/lib/zud-software <<<"$purge" || fail "purge does not say that the data folder stays: $purge"
[ -z "$(sh "$tmp/control/postrm" remove)" ] || fail "remove talks"

list=$(dpkg-deb -c "$deb")
has() {
    grep -Eq "^$1 +root/root +[0-9]+ [0-9-]+ [0-9:]+ \./$2\$" <<<"$list" || fail "not in the package: $2 ($1)"
}
has -rwxr-xr-x usr/bin/zud-software
has -rwxr-xr-x usr/bin/zudctl
has -rwxr-xr-x usr/bin/zud12-emulator
has -rwxr-xr-x usr/lib/zud-software/machine-setup
for lang in de en fr it pl; do
    has -rw-r--r-- "usr/share/zud-software/translations/zud_$lang.qm"
done
for name in German English French Italian Polish; do
    has -rw-r--r-- "usr/share/zud-software/epos.$name"
done
has -rw-r--r-- "usr/share/zud-software/pdf/Gebrauchsanweisung ZUD-Software.pdf"
has -rw-r--r-- usr/share/zud-software/datadir
has -rw-r--r-- usr/share/applications/zud-software.desktop
has -rw-r--r-- usr/share/icons/hicolor/scalable/apps/zud-software.svg
for page in zud-software zudctl zud12-emulator; do
    has -rw-r--r-- "usr/share/man/man1/$page.1.gz"
done
has -rw-r--r-- usr/share/doc/zud-software/copyright
has -rw-r--r-- usr/share/doc/zud-software/changelog.gz
has -rw-r----- etc/xdg/Brelk/ZUD.conf
# Nothing but /usr and the settings; no data of a practice, no build leftovers.
bad=$(awk '{print $6}' <<<"$list" | grep -Ev '^\./$|^\./usr/|^\./etc/$|^\./etc/xdg/$|^\./etc/xdg/Brelk/' || true)
[ -z "$bad" ] || fail "unexpected paths: $bad"
grep -Eq '\.tmp|/var/lib' <<<"$list" && fail "build leftovers or data in the package"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/zud-software/datadir >"$tmp/datadir"
[ "$(cat "$tmp/datadir")" = /var/lib/zud-software ] || fail "datadir: $(cat "$tmp/datadir")"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/zudctl >"$tmp/zudctl"
chmod +x "$tmp/zudctl"
help=$("$tmp/zudctl" --help) || fail "the packaged zudctl does not run"
grep -q "server-setup --system" <<<"$help" || fail "the packaged zudctl is not this build's"

if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error "$deb" >"$out/lintian.txt" 2>&1 || {
        cat "$out/lintian.txt" >&2
        fail "lintian found errors"
    }
fi
echo "package: $(basename "$deb") ok"
