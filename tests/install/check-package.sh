#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: its control fields and contents, lintian's verdict, the
# same bytes from a second pack and from a second build, the unpacked program
# started through its menu entry on a fresh home folder, twice, and its window
# under an X server.
# Usage: check-package.sh CPACK BUILD_DIR SOURCE_DIR WORK_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 source=$3 work=$4 version=$5
here=$(cd "$(dirname "$0")" && pwd)
. "$here/installed-tree.sh"
rm -rf "$work"
mkdir -p "$work"

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" ||
  { cat "$work/cpack.log" >&2; fail "cpack"; }
arch=$(dpkg --print-architecture)
deb="$work/package/ktqtests_${version}-1_$arch.deb"
[ -f "$deb" ] || fail "no package $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ktqtests ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = hamradio ] || fail "Section: $(field Section)"
[ -n "$(field Description)" ] || fail "no Description"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\<]+@[a-z0-9-]+(\.[a-z0-9-]+)+\>$ && ! $(field Maintainer) =~ localhost ]] ||
  fail "Maintainer: $(field Maintainer)"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo fonts-liberation; do
  [[ ", $depends," =~ ,\ $needed[\ ,] ]] || fail "Depends lacks $needed: $depends"
done

# Every entry belongs to root and lies under /usr; the programs are executable.
dpkg-deb -c "$deb" >"$work/contents.txt"
awk '$2 != "root/root" || $6 !~ /^\.\/usr\// && $6 != "./" { bad = 1; print "bad entry: " $0 }
     END { exit bad }' "$work/contents.txt" >&2 || fail "package entries"
grep -q '^-rwxr-xr-x root/root .* \./usr/bin/ktqtests$' "$work/contents.txt" || fail "usr/bin/ktqtests mode"

root="$work/unpacked"
dpkg-deb -x "$deb" "$root"
check_tree "$root/usr" "$source"
file -b "$root/usr/bin/ktqtests" | grep -q ', stripped' || fail "the packaged program is not stripped"
grep -qF "<url type=\"homepage\">$(field Homepage)</url>" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "Homepage $(field Homepage) is not the software centre's"

# Reproducible: every file carries the commit's time, and a second pack of
# the build gives the same bytes.
epoch=$(bash "$source/packaging/source-date-epoch.sh" "$source")
stamp=$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M')
TZ=UTC dpkg-deb -c "$deb" >"$work/dated.txt"
awk -v stamp="$stamp" '$4 " " $5 != stamp { bad = 1; print "not dated " stamp ": " $0 }
  END { exit bad }' "$work/dated.txt" >&2 || fail "package times"
# The second pack runs beside lintian, the two slowest steps here.
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/again" >"$work/cpack-again.log" 2>&1 &
again=$!
said=$(lintian -I -E --pedantic "$deb" 2>"$work/lintian.err") && [ -z "$said" ] ||
  fail "lintian: $said $(cat "$work/lintian.err")"
wait "$again" || { cat "$work/cpack-again.log" >&2; fail "the second cpack"; }
cmp "$deb" "$work/again/$(basename "$deb")" || fail "two packs of one build differ"

# Reproducible from the sources: a second build of the programs alone, in
# another folder and with the test build's type, packs to the same bytes.
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
{ cmake -S "$source" -B "$work/rebuild" -DCMAKE_BUILD_TYPE="$build_type" -DKTQ_BUILD_TESTS=OFF \
    -DKTQ_BUILD_BENCH=OFF && cmake --build "$work/rebuild" -j"$(nproc)" &&
    "$cpack" -G DEB --config "$work/rebuild/CPackConfig.cmake" -B "$work/rebuilt"; } \
  >"$work/rebuild.log" 2>&1 || { tail -30 "$work/rebuild.log" >&2; fail "the second build"; }
cmp "$deb" "$work/rebuilt/$(basename "$deb")" || fail "two builds of one commit differ"

# The menu entry's command, with the unpacked program in place of the installed one.
exec_line=$(grep -m1 '^Exec=' "$root/usr/share/applications/$app_id.desktop" | sed 's/^Exec=//')
read -r -a command <<<"$exec_line"
[ "${command[0]}" = ktqtests ] || fail "the menu entry starts ${command[0]}"
command[0]="$root/usr/bin/ktqtests"

home="$work/home"
mkdir -p "$home/.run"
chmod 700 "$home/.run"
# Runs a command in the home folder, as a menu does.
in_home() {
  (cd "$home" && env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
     XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/.run" timeout 60 "$@")
}
# Starts the program offscreen; it ends after its first paint, also when the
# missing-files box is open then.
start() {
  in_home env QT_QPA_PLATFORM=offscreen KTQ_REPORT_STARTUP=1 "$@"
}

start "${command[@]}" >"$work/first.out" 2>"$work/first.err" ||
  { cat "$work/first.err" >&2; fail "the first start through the menu entry"; }
grep -q '^shown-at-ns=' "$work/first.out" || fail "the first start showed no window"
study="$home/KTQTests"
holds_samples "$study" "$source" || fail "the study folder does not hold the samples"
# The first start made the text copies of the published pools and their figures.
for made in "2024-2028 Extra Class Pool 4th Errata Feb 4 2026.txt" E7-3.png G7-1.png T-1.jpg; do
  [ -s "$study/$made" ] || fail "the first start did not make $made"
done
# It loaded the private document reader for that; a start that finds every
# copy made does not.
grep -q ' formats=loaded$' "$work/first.out" || fail "the first start: $(cat "$work/first.out")"

notes="$study/KTQTech 2026 ^ study.txt"
printf 'my own changes\r\n' >>"$notes"
cp "$notes" "$work/changed.txt"
rm "$study/demo/T-1.jpg" "$study/T-1.jpg"
start "${command[@]}" >"$work/second.out" 2>"$work/second.err" ||
  { cat "$work/second.err" >&2; fail "the second start through the menu entry"; }
cmp "$notes" "$work/changed.txt" || fail "the second start changed the user's file"
grep -q ' formats=not-loaded$' "$work/second.out" ||
  fail "the second start loaded the document reader: $(cat "$work/second.out")"
[ ! -e "$study/rule97.txt" ] || fail "made-up rules text beside the pools in force"

# The menu entry's second action opens the prepared banks with their notes.
grep -q '^Exec=ktqtests --explained$' "$root/usr/share/applications/$app_id.desktop" ||
  fail "the menu entry has no action for the explained pools"
start "$root/usr/bin/ktqtests" --explained >"$work/explained.out" 2>"$work/explained.err" ||
  { cat "$work/explained.err" >&2; fail "a start with --explained"; }
grep -q '^shown-at-ns=' "$work/explained.out" || fail "--explained showed no window"
[ ! -e "$study/demo/T-1.jpg" ] || fail "the second start put a sample back into the user's folder"
[ ! -e "$study/T-1.jpg" ] || fail "the second start read the published pool again"

# Guards against the start-up report waiting for good behind a message box.
mkdir -p "$work/no pools"
start "$root/usr/bin/ktqtests" --folder "$work/no pools" >"$work/empty.out" 2>"$work/empty.err" ||
  { cat "$work/empty.err" >&2; fail "a start in a folder without pools did not end"; }
grep -q '^shown-at-ns=' "$work/empty.out" || fail "a folder without pools showed no window"

status=0
start "$root/usr/bin/ktqtests" --folder "$work/no such folder" >"$work/missing.out" 2>"$work/missing.err" ||
  status=$?
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "--folder with a missing folder exited with $status"
grep -qF "the study folder \"$work/no such folder\" does not exist" "$work/missing.err" ||
  fail "unclear message for a missing folder: $(cat "$work/missing.err")"
[ ! -s "$work/missing.out" ] || fail "a missing folder still started the window"

in_home env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY xvfb-run -a -s "-screen 0 1366x768x24" \
  bash "$here/check-window.sh" "$root/usr" "$study" "$work"
echo "package: ok"
