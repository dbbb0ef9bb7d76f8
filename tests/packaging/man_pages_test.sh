#!/usr/bin/env bash
# Renders the manual pages as man does (and lintian checks them), with every
# groff warning an error, and looks for the sections a reader needs.
#   man_pages_test.sh MAN-DIR KORVANE-CLI
set -euo pipefail
man_dir=${1:?folder of the built pages}
cli=${2:?korvane-cli}
fail() { echo "FAIL: $*" >&2; exit 1; }
export LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80

render() {
  local page=$1 warnings
  warnings=$(man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || fail "man cannot render $page"
  [ -z "$warnings" ] || fail "$page: $warnings"
  man -E UTF-8 -l "$page" 2>/dev/null
}

# What each page must hold, besides NAME, SYNOPSIS, --version, EXIT STATUS and SEE ALSO.
declare -A wanted=(
  [korvane]="ENGLISH|DEUTSCH|FRENCH|CESKY|--device|--simulate|XDG_CONFIG_HOME|XDG_DATA_HOME|Korvane.ini|_Korvane.ini|Korvane_cz.pdf|[Ports]|dialout"
  [korvane-cli]="XDG_CONFIG_HOME|XDG_DATA_HOME|[Ports]|dialout|EXAMPLES"
  [korvane-unit-sim]="--never-answer|--link|EXAMPLES"
)
for name in "${!wanted[@]}"; do
  page="$man_dir/$name.1.gz"
  [ -f "$page" ] || fail "$page is missing"
  text=$(render "$page")
  IFS='|' read -r -a words <<<"NAME|SYNOPSIS|--version|EXIT STATUS|SEE ALSO|${wanted[$name]}"
  for word in "${words[@]}"; do
    grep -qF -- "$word" <<<"$text" || fail "$name(1) lacks '$word'"
  done
  grep -qE "^ +$name +- " <<<"$text" || fail "$name(1) has no NAME line"
done

# The commands section of korvane-cli(1) follows the program's own table.
text=$(render "$man_dir/korvane-cli.1.gz")
commands=$(sed -n '/^Commands:/,/^$/s/^  \([a-z-]*\).*/\1/p' <(LC_ALL=C "$cli" --help))
[ -n "$commands" ] || fail "korvane-cli --help lists no commands"
for command in $commands; do
  grep -qE "^ +$command( |$)" <<<"$text" || fail "korvane-cli(1) does not describe '$command'"
done
echo "PASS: the manual pages render cleanly"
