#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The releases of CHANGELOG.md, as the software centre's release list or as a
# Debian changelog. A release is a "## VERSION (YYYY-MM-DD)" heading and a
# list of "- " items, each continued on lines indented by two blanks.
# Usage: release-notes.sh metainfo CHANGELOG
#        release-notes.sh debian CHANGELOG PACKAGE REVISION "NAME <ADDRESS>"
set -euo pipefail
mode=$1 changelog=$2

# One record a line: "release VERSION DATE", then "item TEXT" or "more TEXT".
records() {
  awk '
    /^## / {
      if (match($0, /^## [0-9][0-9.]* \([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\)$/) == 0) {
        print "malformed release heading: " $0 > "/dev/stderr"; exit 1
      }
      split(substr($0, 4), part, " ")
      print "release " part[1] " " substr(part[2], 2, 10); inside = 1; next
    }
    /^#/ { inside = 0; next }
    inside && /^- / { print "item " substr($0, 3); next }
    inside && /^  [^ ]/ { print "more " substr($0, 3); next }
    inside && NF { print "text outside a list item: " $0 > "/dev/stderr"; exit 1 }
  ' "$changelog"
}

xml_escaped() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' <<<"$1"; }

metainfo() {
  local kind rest item="" started=""
  end_item() { [ -z "$item" ] || printf '        <li>%s</li>\n' "$(xml_escaped "$item")"; item=""; }
  end_release() { end_item; [ -z "$started" ] || printf '      </ul></description>\n    </release>\n'; }
  while read -r kind rest; do
    case $kind in
      release)
        end_release
        printf '    <release version="%s" date="%s">\n      <description><ul>\n' ${rest}
        started=1 ;;
      item) end_item; item=$rest ;;
      more) item+=" $rest" ;;
    esac
  done
  end_release
}

debian() {
  local package=$1 revision=$2 maintainer=$3 kind rest date="" version
  trailer() { [ -z "$date" ] || printf '\n -- %s  %s\n' "$maintainer" "$(date -u -R -d "$date")"; }
  while read -r kind rest; do
    case $kind in
      release)
        trailer
        [ -z "$date" ] || echo
        read -r version date <<<"$rest"
        printf '%s (%s-%s) unstable; urgency=medium\n\n' "$package" "$version" "$revision" ;;
      item) printf '  * %s\n' "$rest" ;;
      more) printf '    %s\n' "$rest" ;;
    esac
  done
  trailer
}

recs=$(records)
case $mode in
  metainfo) metainfo <<<"$recs" ;;
  debian) debian "$3" "$4" "$5" <<<"$recs" ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac
