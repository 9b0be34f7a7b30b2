#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The package's documentation, compressed as Debian wants it (gzip -9n: no
# name, no time); a failure leaves no output behind. Usage:
#   make-doc.sh man SOURCE_DIR OUT.gz PAGE.scd        a manual page
#   make-doc.sh changelog SOURCE_DIR OUT.gz           CHANGELOG.md as it is
#   make-doc.sh debian-changelog SOURCE_DIR OUT.gz PACKAGE REVISION "NAME <ADDRESS>"
set -euo pipefail
kind=$1 source=$2 out=$3
here=$(dirname "$0")
case $kind in
  # scdoc dates the page by SOURCE_DATE_EPOCH.
  man) SOURCE_DATE_EPOCH=$(bash "$here/source-date-epoch.sh" "$source") scdoc <"$4" ;;
  changelog) cat "$source/CHANGELOG.md" ;;
  debian-changelog) bash "$here/release-notes.sh" debian "$source/CHANGELOG.md" "$4" "$5" "$6" ;;
  *) echo "unknown kind $kind" >&2; exit 2 ;;
esac | gzip -9n >"$out.part"
mv "$out.part" "$out"
