#!/usr/bin/env bash
# Builds the Debian package from the build tree into a scratch folder,
# unpacks it into a scratch root (nothing is installed on the system) and
# runs the programs and the desktop-integration checks from there.
#   package_test.sh BUILD_DIR VERSION SCRATCH
set -euo pipefail
build="$1" version="$2" scratch="$3"
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$scratch" && mkdir -p "$scratch"
installed() { dpkg-query -W -f='${Status} ${Version}' dorvik 2>/dev/null || true; }
before="$(installed)"

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
deb="$scratch/out/dorvik_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb"
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Depends lacks the Qt libraries"

# Everything lives under /usr, and every part of the package is there.
dpkg-deb -c "$deb" | awk '{print $6}' >"$scratch/contents"
grep -v '^\./usr/' "$scratch/contents" | grep -vx './' && fail "files outside /usr"
for f in bin/dorvik bin/dorvik-cli bin/dorvik-unitsim share/applications/dorvik.desktop \
    share/icons/hicolor/scalable/apps/dorvik.svg share/icons/hicolor/48x48/apps/dorvik.png \
    share/mime/packages/dorvik.xml share/metainfo/dorvik.metainfo.xml share/dorvik/start.jpg \
    share/dorvik/logo.bmp share/man/man1/dorvik.1.gz share/man/man1/dorvik-cli.1.gz \
    share/man/man1/dorvik-unitsim.1.gz share/bash-completion/completions/dorvik-cli \
    share/doc/dorvik/copyright share/doc/dorvik/changelog.gz; do
    grep -qx "./usr/$f" "$scratch/contents" || fail "package lacks /usr/$f"
done

root="$scratch/root" && dpkg-deb -x "$deb" "$root"
bin="$root/usr/bin"
for p in dorvik dorvik-cli dorvik-unitsim; do
    [ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$p" --version)" = "$p $version" ] ||
        fail "$p --version"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$p" --help | grep -q -- --version ||
        fail "$p --help"
    zcat "$root/usr/share/man/man1/$p.1.gz" | grep -q "^\.TH \"*${p^^}" || fail "$p.1 manual page"
done
pdu=0891683108200105F0040D91683118325476F8000861301041500000044F60597D
"$bin/dorvik-cli" pdu decode "$pdu" >"$scratch/pdu"
grep -qx "text: 你好" "$scratch/pdu" && grep -q "8613812345678" "$scratch/pdu" || fail "pdu decode"

desktop-file-validate "$root/usr/share/applications/dorvik.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/dorvik.metainfo.xml" >/dev/null
XDG_DATA_DIRS="$root/usr/share" update-mime-database "$root/usr/share/mime"
[ -f "$root/usr/share/mime/application/x-dorvik-project.xml" ] || fail "MIME type not registered"

# Completion of a command and of a list word, with the unpacked program.
PATH="$bin:$PATH"
source "$root/usr/share/bash-completion/completions/dorvik-cli"
COMP_WORDS=(dorvik-cli --json up) COMP_CWORD=2 && _dorvik_cli
[ "${COMPREPLY[*]}" = upload ] || fail "completion of 'up': ${COMPREPLY[*]}"
COMP_WORDS=(dorvik-cli upload sp) COMP_CWORD=2 && _dorvik_cli
[ "${COMPREPLY[*]}" = special ] || fail "completion of 'upload sp': ${COMPREPLY[*]}"
[ "$(installed)" = "$before" ] || fail "the system's dorvik package changed"
echo "package test passed: $deb"
