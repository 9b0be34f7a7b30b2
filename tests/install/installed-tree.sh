# Sourced by the install tests: what an installed tree must hold.
app_id=org.ktqtests.KTQTests
icon_sizes=(16 24 32 48 64 128 256)

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The samples as installed and copied into a new study folder, as SOURCE:NAME:
# the pools in force with the rules text, and the made-up demo in demo/.
samples_in() {
  (cd "$1" && find samples/pools-in-force -type f | sed 's|.*/\(.*\)|&:\1|' &&
     echo demo/rule97.txt:rule97.txt && find demo -type f | sed 's|.*|&:&|')
}
# Usage: holds_samples FOLDER SOURCE_DIR
holds_samples() {
  local pair
  while IFS= read -r pair; do
    cmp -s "$2/${pair%%:*}" "$1/${pair#*:}" || { echo "differs: ${pair#*:}" >&2; return 1; }
  done < <(samples_in "$2")
}

# The files, and only those, of an install under PREFIX (the package's /usr),
# with the samples and the validators' verdicts. Usage: check_tree PREFIX SOURCE_DIR
check_tree() {
  local usr=$1 source=$2 expected actual
  expected=$( {
    printf '%s\n' bin/ktqtests bin/ktqtests-headless \
      "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
      "share/icons/hicolor/scalable/apps/$app_id.svg"
    for size in "${icon_sizes[@]}"; do echo "share/icons/hicolor/${size}x$size/apps/$app_id.png"; done
    samples_in "$source" | sed 's|.*:|share/ktqtests/samples/|'
  } | LC_ALL=C sort)
  actual=$(cd "$usr" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
  [ "$actual" = "$expected" ] ||
    fail "installed files differ from the expected ones:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"

  [ -x "$usr/bin/ktqtests" ] && [ -x "$usr/bin/ktqtests-headless" ] || fail "the programs are not executable"
  holds_samples "$usr/share/ktqtests/samples" "$source" || fail "the installed samples differ from the sources"
  for size in "${icon_sizes[@]}"; do
    file -b "$usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" | grep -q "^PNG image data, $size x $size," ||
      fail "the ${size}px icon is no ${size}x$size PNG"
  done
  desktop-file-validate "$usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
}
