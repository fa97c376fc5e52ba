#!/usr/bin/env bash
# The Debian package: its metadata, desktop files and lintian's verdict, and its contents unpacked
# into a temporary root, from which both programs start as an ordinary user who cannot write the
# programs' folder: skinned, with no error box, writing nothing beside themselves.
# Usage: package_test.sh <package.deb> <window probe library>
set -euo pipefail
deb=$1
probe=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
chmod 0755 "$work"
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT

echo "== control fields"
dpkg-deb --field "$deb" Package Version Depends Recommends | tee "$work/control"
grep -q '^Depends: .*libqt6widgets6' "$work/control" || fail "Depends lacks the Qt libraries"
grep -q '^Recommends: .*gnome-calculator.*gedit' "$work/control" ||
  fail "Recommends lacks a calculator and an editor"

echo "== every dependency is satisfiable here"
dpkg --dry-run --install "$deb" >/dev/null || fail "dpkg would not install the package"

root=$work/root
dpkg-deb --extract "$deb" "$root"
private=$root/usr/lib/lirex
for file in Vonk Dalo SkinH_EL.dll skinh.she liblirex_webview.so; do
  [ -f "$private/$file" ] || fail "$file is not in usr/lib/lirex"
done
for link in Vonk Dalo; do
  [ "$(readlink "$root/usr/bin/$link")" = "../lib/lirex/$link" ] || fail "usr/bin/$link"
done
for size in 16 32 48 256; do
  [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/example.lirex.Vonk.png" ] ||
    fail "no ${size}px Vonk icon"
done

echo "== desktop entries and AppStream metadata"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml

echo "== lintian"
lintian --fail-on error --tag-display-limit 0 "$deb"

echo "== both programs from the unpacked root, as an ordinary user"
chmod -R a-w "$root"
runs=$work/runs
mkdir -m 0777 "$runs"
cp "$probe" "$runs/probe.so"
chmod 0755 "$runs/probe.so"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
"${as_user[@]}" mkdir -m 0700 "$runs/xdg"
run_program() {  # <program> <name>
  env -i PATH=/usr/bin:/bin HOME="$runs" XDG_RUNTIME_DIR="$runs/xdg" QT_QPA_PLATFORM=offscreen \
    LD_PRELOAD="$runs/probe.so" LIREX_PROBE_EXIT_AFTER_PAINT=1 \
    LIREX_PROBE_REPORT="$runs/$2.report" LIREX_PROBE_BOXES="$runs/$2.boxes" \
    timeout 60 "${as_user[@]}" "$root/usr/bin/$1" </dev/null
}
expect_start() {  # <program> <report>
  run_program "$1" "$1" || fail "$1 ended with status $?"
  [ ! -s "$runs/$1.boxes" ] || fail "$1 showed a box: $(cat "$runs/$1.boxes")"
  [ "$(cat "$runs/$1.report")" = "$2" ] || fail "$1 reported: $(cat "$runs/$1.report")"
  echo "$1 started skinned"
}
expect_start Vonk $'window_colour=#eaf0ee\nwindows=ShrinkerWindow'
expect_start Dalo $'window_colour=#e9eef1\nwindows=PredictorWindow'
version=$("${as_user[@]}" "$root/usr/bin/Dalo" --version)
[ "$version" = "Dalo 1.0" ] || fail "Dalo --version printed '$version'"
[ -z "$(find "$private" -newer "$runs/probe.so" ! -type d)" ] || fail "a program wrote beside itself"
echo "package test passed"
