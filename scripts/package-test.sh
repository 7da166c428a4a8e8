#!/bin/bash
# The Debian package end to end, on this machine (as root, or through sudo):
#   1. builds the program and the .deb with CPack (build/, or $TIKANDA_BUILD_DIR);
#   2. checks the package's contents and control fields, the menu entry
#      (desktop-file-validate), the AppStream metadata (appstreamcli validate) and the
#      manual page (man);
#   3. installs it with apt-get, starts the installed /usr/bin/tikanda from its menu entry
#      under Xvfb + openbox (tests/e2e/harness.sh with scripts/lib/package_check.sh):
#      its window appears, it finds its alarm sound and its help file;
#   4. removes the package and checks that the program is gone.
# Exits non-zero on the first failure; the package is removed again however the test ends.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TIKANDA_BUILD_DIR:-$root/build}

log() { printf '%s\n' "package-test: $*"; }
fail() {
    printf '%s\n' "package-test: FAIL: $*" >&2
    exit 1
}

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || fail "installing a package needs root or sudo"
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

"$root/scripts/deps.sh"
"$root/scripts/build.sh"
# A build folder configured before the packaging rules existed has no CPack configuration.
[ -f "$build/CPackConfig.cmake" ] || cmake "$build" >/dev/null

out=$(mktemp -d "${TMPDIR:-/tmp}/tikanda-package.XXXXXX")
installed=0
cleanup() {
    local rc=$?
    set +e
    if [ "$installed" = 1 ]; then
        log "removing the package after a failure"
        "${as_root[@]}" apt-get remove -y tikanda >/dev/null 2>&1
    fi
    rm -rf "$out"
    exit $rc
}
trap cleanup EXIT

if dpkg-query -W -f='${Status}\n' tikanda 2>/dev/null | grep -q '^install ok installed$'; then
    fail "a tikanda package is already installed; remove it first (apt-get remove tikanda)"
fi
[ ! -e /usr/bin/tikanda ] || fail "/usr/bin/tikanda exists but belongs to no package"

# --- 1. Build the package --------------------------------------------------------------
log "building the package"
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || {
    cat "$out/cpack.log" >&2
    fail "cpack failed"
}
debs=("$out"/tikanda_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no tikanda_*.deb in $out"
deb=${debs[0]}
log "built $(basename "$deb") ($(stat -c %s "$deb") bytes)"

# --- 2. Contents, control fields, menu entry, metadata, manual page --------------------
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
for f in /usr/bin/tikanda /usr/lib/tikanda/libtikanda_sound.so \
    /usr/share/tikanda/CILILINK.WAV /usr/share/tikanda/TIKANDA.HLP \
    /usr/share/applications/tikanda.desktop /usr/share/metainfo/cz.tikanda.Tikanda.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/tikanda.svg /usr/share/man/man1/tikanda.1.gz; do
    grep -qx "$f" <<<"$contents" || fail "the package lacks $f"
done
[ "$(dpkg-deb -f "$deb" Package)" = tikanda ] || fail "package name is not tikanda"
depends=$(dpkg-deb -f "$deb" Depends)
log "Depends: $depends"
for p in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6multimedia6 libx11-6 libxtst6; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p"
done
for field in Maintainer Section Description; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the control file has no $field"
done

dpkg-deb -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/tikanda.desktop" ||
    fail "desktop-file-validate rejects the menu entry"
log "desktop-file-validate: ok"
appstreamcli validate --no-net "$out/root/usr/share/metainfo/cz.tikanda.Tikanda.metainfo.xml" ||
    fail "appstreamcli rejects the metadata"
file -b "$out/root/usr/share/icons/hicolor/scalable/apps/tikanda.svg" | grep -q 'SVG' ||
    fail "the icon is not an SVG image"

# --- 3. Install, run, check -------------------------------------------------------------
log "installing"
installed=1
(cd "$out" && "${as_root[@]}" apt-get install -y "./$(basename "$deb")") >"$out/apt-install.log" 2>&1 || {
    cat "$out/apt-install.log" >&2
    fail "apt-get install failed"
}
dpkg-query -W -f='${Status}\n' tikanda | grep -q '^install ok installed$' ||
    fail "dpkg does not list tikanda as installed"
[ -x /usr/bin/tikanda ] || fail "/usr/bin/tikanda is not there after the install"

manual=$(MANWIDTH=80 LC_ALL=C.UTF-8 man -P cat tikanda 2>&1) || fail "man tikanda: $manual"
warnings=$(LC_ALL=C.UTF-8 man --warnings -l /usr/share/man/man1/tikanda.1.gz 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
for word in NOMENU NOSOUND NOBAR Ctrl+Alt+F4 RVTikanda.conf CILILINK.WAV TIKANDA.HLP; do
    grep -q "$word" <<<"$manual" || fail "the manual page does not mention $word"
done
log "man tikanda: ok ($(wc -l <<<"$manual") lines)"

E2E_ARTIFACTS="$build/e2e-artifacts" "$root/tests/e2e/harness.sh" \
    "$root/scripts/lib/package_check.sh" /usr/bin/tikanda || fail "the installed program failed its checks"

# --- 4. Remove --------------------------------------------------------------------------
log "removing"
"${as_root[@]}" apt-get remove -y tikanda >"$out/apt-remove.log" 2>&1 || {
    cat "$out/apt-remove.log" >&2
    fail "apt-get remove failed"
}
installed=0
! dpkg-query -W -f='${Status}\n' tikanda 2>/dev/null | grep -q '^install ok installed$' ||
    fail "tikanda is still installed"
for f in /usr/bin/tikanda /usr/lib/tikanda /usr/share/tikanda \
    /usr/share/applications/tikanda.desktop /usr/share/man/man1/tikanda.1.gz; do
    [ ! -e "$f" ] || fail "$f is still there after the removal"
done
log "ok"
