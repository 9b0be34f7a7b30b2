# Sourced by the install tests: what an installed tree must hold.
app_id=org.ktqtests.KTQTests
icon_sizes=(16 24 32 48 64 128 256)

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The samples as installed and copied into a new study folder: the pools in
# force with the rules text, and the made-up demo in demo/. Usage: samples_in SOURCE_DIR
samples_in() {
  (cd "$1/samples/pools-in-force" && find . -type f | sed 's|^\./||')
  echo rule97.txt
  (cd "$1/demo" && find . -type f | sed 's|^\./|demo/|')
}

# Whether FOLDER holds every sample, byte for byte. Usage: holds_samples FOLDER SOURCE_DIR
holds_samples() {
  local folder=$1 source=$2 name from
  while IFS= read -r name; do
    case $name in
      demo/*) from=$source/$name ;;
      rule97.txt) from=$source/demo/rule97.txt ;;
      *) from=$source/samples/pools-in-force/$name ;;
    esac
    cmp -s "$from" "$folder/$name" || { echo "differs or missing: $name" >&2; return 1; }
  done < <(samples_in "$source")
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
    samples_in "$source" | sed 's|^|share/ktqtests/samples/|'
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
