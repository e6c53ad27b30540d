#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks what it installs.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" > "$scratch/cpack.log") || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/*.deb)
info=$(dpkg-deb --info "$deb")
grep -q 'Package: quillon' <<<"$info"
grep -q 'Depends:.*libqt6widgets6' <<<"$info" || { echo "$info"; exit 1; }
dpkg -x "$deb" "$scratch/root"

id=io.github.marrowkit.Quillon
for file in usr/bin/quillon \
            usr/share/applications/$id.desktop \
            usr/share/metainfo/$id.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/$id.svg \
            usr/share/icons/hicolor/48x48/apps/$id.png \
            usr/share/icons/hicolor/256x256/apps/$id.png; do
  [ -e "$scratch/root/$file" ] || { echo "missing: $file"; exit 1; }
done
[ -x "$scratch/root/usr/bin/quillon" ]
file_type=$(od -An -c -N4 "$scratch/root/usr/share/icons/hicolor/48x48/apps/$id.png" | tr -d ' ')
[ "$file_type" = "211PNG" ] || { echo "the 48 px icon is no PNG"; exit 1; }

# The installed program starts: its main window reads the settings, which creates the store.
config="$scratch/config"
XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/quillon" &
program=$!
for _ in $(seq 200); do
  [ -f "$config/quillon/registry.reg" ] && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.05
done
started=no
[ -f "$config/quillon/registry.reg" ] && kill -0 "$program" 2>/dev/null && started=yes
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
[ "$started" = yes ] || { echo "the installed program did not start"; exit 1; }

desktop-file-validate "$scratch/root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$scratch/root/usr/share/metainfo/$id.metainfo.xml"
echo "package passed"
