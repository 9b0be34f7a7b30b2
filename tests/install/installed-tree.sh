# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the install tests: what an installed tree must hold.
app_id=org.ktqtests.ktqtests
# The window program's private module of the document reader and answer store.
formats_module=lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/ktqtests/ktqtests-formats.so
icon_sizes=(16 24 32 48 64 128 256)

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The samples as installed and copied into a new study folder, as SOURCE:NAME
# with SOURCE absolute: the pools in force with their study-note files and
# the prepared banks in Explained/, as the build made them from the notes (no
# rules text: the made-up one stays with the demo), and the demo in demo/.
# Uses $build, the build folder.
samples_in() {
  find "$build/samples" -type f -printf '%p:%P\n'
  (cd "$1" && find demo -type f -printf "$1/%p:%p\n")
}
# Usage: holds_samples FOLDER SOURCE_DIR
holds_samples() {
  local pair
  while IFS= read -r pair; do
    cmp -s "${pair%%:*}" "$1/${pair#*:}" || { echo "differs: ${pair#*:}" >&2; return 1; }
  done < <(samples_in "$2")
}

# Runs a validator that must have nothing to say. Usage: quiet NAME COMMAND...
quiet() {
  local name=$1 said
  shift
  said=$("$@" 2>&1) || fail "$name: $said"
  [ -z "$said" ] || fail "$name: $said"
}

# --help and --version print to standard output and end at once, with no
# display at all; every option the help names is in the manual page.
# Usage: check_program_info PROGRAM MANUAL_PAGE.gz
check_program_info() {
  local program=$1 page name out option
  page=$(zcat "$2" | sed 's/\\//g')
  name=$(basename "$program")
  for asked in --help -h --version -v; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$asked" 2>&1 </dev/null) ||
      fail "$name $asked: $out"
  done
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version 2>/dev/null)
  [[ $out == "$name "[0-9]*.[0-9]*GPL-3.0-or-later* ]] || fail "$name --version: $out"
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help 2>/dev/null)
  [[ $out == "usage: $name "* ]] || fail "$name --help: $out"
  for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$out" | sort -u); do
    grep -qF -- "$option" <<<"$page" || fail "$name: $option is not in the manual page"
  done
}

# The files, and only those, of an install under PREFIX (the package's /usr),
# with the samples and the validators' verdicts. Usage: check_tree PREFIX SOURCE_DIR
check_tree() {
  local usr=$1 source=$2 expected actual said
  expected=$( {
    printf '%s\n' bin/ktqtests bin/ktqtests-headless "$formats_module" \
      "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
      "share/icons/hicolor/scalable/apps/$app_id.svg" \
      share/man/man1/ktqtests.1.gz share/man/man1/ktqtests-headless.1.gz \
      share/doc/ktqtests/copyright share/doc/ktqtests/changelog.gz \
      share/doc/ktqtests/changelog.Debian.gz share/lintian/overrides/ktqtests
    for size in "${icon_sizes[@]}"; do echo "share/icons/hicolor/${size}x$size/apps/$app_id.png"; done
    samples_in "$source" | sed 's|.*:|share/ktqtests/samples/|'
  } | LC_ALL=C sort)
  actual=$(cd "$usr" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
  [ "$actual" = "$expected" ] ||
    fail "installed files differ from the expected ones:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"

  [ -x "$usr/bin/ktqtests" ] && [ -x "$usr/bin/ktqtests-headless" ] || fail "the programs are not executable"
  # The module exports its table and nothing else.
  [ "$(nm -D --defined-only "$usr/$formats_module" | awk '$2 == "T" { print $3 }')" = ktq_formats_table ] ||
    fail "the formats module exports more than its table: $(nm -D --defined-only "$usr/$formats_module" | head)"
  holds_samples "$usr/share/ktqtests/samples" "$source" || fail "the installed samples differ from the sources"
  for size in "${icon_sizes[@]}"; do
    file -b "$usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" | grep -q "^PNG image data, $size x $size," ||
      fail "the ${size}px icon is no ${size}x$size PNG"
  done
  quiet desktop-file-validate desktop-file-validate "$usr/share/applications/$app_id.desktop"
  said=$(appstreamcli validate --pedantic --no-net "$usr/share/metainfo/$app_id.metainfo.xml" 2>&1) &&
    ! grep -q '^[EWIP]: ' <<<"$said" || fail "appstreamcli validate: $said"
  for program in ktqtests ktqtests-headless; do
    check_program_info "$usr/bin/$program" "$usr/share/man/man1/$program.1.gz"
  done
}
