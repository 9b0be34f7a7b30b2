#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one scenario folder with the headless driver in a fresh working folder:
#   files/           copied into the working folder first
#   sample-files     names (one a line) of the project's files, such as the
#                    published pools in samples/, copied in too, so that large
#                    samples are kept once
#   options          driver options, shell-quoted (default: a fixed clock)
#   script.txt       the actions
#   expected.txt     what the driver must print, exactly: a transcript, each
#                    action ("> click Button1") before its output
#   exit-code        the expected exit code (default 0)
#   expected-files/  files the working folder must then hold, byte for byte
#   absent-files     names (one a line) that must not exist afterwards
#   locale           a locale (e.g. en_US.UTF-8) to run in; compiled for the
#                    run with localedef, so the machine need not have it.
#                    Without it the run is in the C locale.
# In expected.txt and expected-files/, @FOLDER@ stands for the working folder's
# full path, which differs from one build folder to the next.
set -u
bin=$1 dir=$2 work=$3
rm -rf "$work" && mkdir -p "$work/folder"
[ -d "$dir/files" ] && cp -a "$dir/files/." "$work/folder/"
if [ -f "$dir/sample-files" ]; then
  root=$(cd "$(dirname "$0")/../.." && pwd)
  while IFS= read -r name; do
    [ -n "$name" ] && cp "$root/$name" "$work/folder/"
  done < "$dir/sample-files"
fi
opts=(--now "2026-12-08 09:00:00")
if [ -f "$dir/options" ]; then eval "opts=($(cat "$dir/options"))"; fi
unset LC_ALL LANG LANGUAGE
export LC_TIME=C
if [ -f "$dir/locale" ]; then
  LC_TIME=$(cat "$dir/locale")
  mkdir -p "$work/locales"
  localedef -i "${LC_TIME%%.*}" -f "${LC_TIME#*.}" "$work/locales/$LC_TIME" 2>"$work/localedef.log" ||
    { echo "cannot compile locale $LC_TIME"; cat "$work/localedef.log"; exit 1; }
  export LOCPATH=$work/locales
fi
( cd "$work/folder" && "$bin" --echo --script "$dir/script.txt" "${opts[@]}" >"$work/stdout" 2>"$work/stderr" )
rc=$?
want_rc=0
[ -f "$dir/exit-code" ] && want_rc=$(cat "$dir/exit-code")
failed=0
if [ "$rc" != "$want_rc" ]; then
  echo "exit code $rc, expected $want_rc"; cat "$work/stderr"; failed=1
fi
folder=$(cd "$work/folder" && pwd -P)
with_folder() { FOLDER=$folder perl -pe 's/\@FOLDER\@/$ENV{FOLDER}/g' "$1"; }
if [ -f "$dir/expected.txt" ] && ! diff -u <(with_folder "$dir/expected.txt") "$work/stdout"; then failed=1; fi
if [ -f "$dir/expected-stderr.txt" ] && ! diff -u "$dir/expected-stderr.txt" "$work/stderr"; then failed=1; fi
if [ -d "$dir/expected-files" ]; then
  while IFS= read -r -d '' f; do
    rel=${f#"$dir/expected-files/"}
    if ! cmp <(with_folder "$f") "$work/folder/$rel"; then echo "file differs: $rel"; failed=1; fi
  done < <(find "$dir/expected-files" -type f -print0)
fi
if [ -f "$dir/absent-files" ]; then
  while IFS= read -r name; do
    [ -z "$name" ] && continue
    if [ -e "$work/folder/$name" ]; then echo "should not exist: $name"; failed=1; fi
  done < "$dir/absent-files"
fi
exit $failed
