#!/usr/bin/env bash
# Installs the built programs as a user gets them and runs them from there: the Debian package
# unpacked into a temporary root, or `cmake --install` into one where dpkg-deb is missing.
# Usage: InstalledPrograms.sh BUILD_DIR VERSION APP_ID [CMAKE CPACK]
set -euo pipefail
build="$1" version="$2" id="$3" cmake="${4:-cmake}" cpack="${5:-cpack}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if command -v dpkg-deb >/dev/null; then
  "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/package" >"$tmp/cpack.log" ||
    { cat "$tmp/cpack.log"; fail "cpack"; }
  deb="$(echo "$tmp"/package/*.deb)"
  [ -f "$deb" ] || fail "no package made"
  dpkg-deb -x "$deb" "$tmp/root"
  depends="$(dpkg-deb -f "$deb" Depends)"
  echo "Depends: $depends"
  for lib in libzip libqt6widgets6 libqt6charts6; do
    [[ "$depends" == *"$lib"* ]] || fail "the package does not depend on $lib"
  done
else
  echo "dpkg-deb is missing: checking cmake --install instead of the package"
  "$cmake" --install "$build" --prefix "$tmp/root/usr" >/dev/null
fi
usr="$tmp/root/usr"
for f in bin/tallmark bin/tallmark-cli share/tallmark/SCHEDULE.DAT share/tallmark/SportsInfo.dat \
  "share/applications/$id.desktop" "share/icons/hicolor/scalable/apps/$id.svg" \
  "share/metainfo/$id.metainfo.xml"; do
  [ -f "$usr/$f" ] || fail "$f is not installed"
done

export TALLMARK_HOME="$tmp/home" QT_QPA_PLATFORM=offscreen
[ "$("$usr/bin/tallmark-cli" --version)" = "tallmark-cli $version" ] ||
  fail "tallmark-cli --version"
[ "$("$usr/bin/tallmark" --version)" = "tallmark $version" ] || fail "tallmark --version"
"$usr/bin/tallmark" --screenshot "$tmp/main.png"
[ "$(head -c 4 "$tmp/main.png" | tail -c 3)" = "PNG" ] || fail "no screenshot written"
# The command-line tool draws graphs with its installed graph module.
[ -n "$(find "$usr/lib" -name tallmark-graphs.so)" ] || fail "the graph module is not installed"
"$usr/bin/tallmark-cli" sample "$tmp/league" >/dev/null
[ "$("$usr/bin/tallmark-cli" graph "$tmp/league/SAMPLE.CFG" weekly-teams --weeks 1 \
  -o "$tmp/week.png")" = "$tmp/week.png" ] || fail "tallmark-cli graph"
[ "$(head -c 4 "$tmp/week.png" | tail -c 3)" = "PNG" ] || fail "no graph written"
# The program folder was seeded from the installed data, not from the build tree.
for f in SCHEDULE.DAT SportsInfo.dat; do
  cmp "$usr/share/tallmark/$f" "$TALLMARK_HOME/$f" || fail "$f not seeded from the installation"
done
echo "installed programs run"
