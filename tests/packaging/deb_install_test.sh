#!/usr/bin/env bash
# Installs the built korvane .deb, checks what a workshop machine gets from it,
# and removes it again. Needs root (or sudo); exit 77 means skipped.
#   deb_install_test.sh PACKAGE.deb | FOLDER-HOLDING-korvane_*.deb
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

deb=${1:?usage: deb_install_test.sh PACKAGE.deb|FOLDER}
if [ -d "$deb" ]; then
  deb=$(ls -t "$deb"/korvane_*.deb 2>/dev/null | head -n 1 || true)
  [ -n "$deb" ] || fail "no korvane_*.deb in ${1}; run cpack -G DEB (make package) first"
fi
[ -f "$deb" ] || fail "$deb does not exist"
deb=$(realpath "$deb")

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if sudo -n true 2>/dev/null; then SUDO="sudo"; else
    echo "SKIP: installing a package needs root or password-less sudo"; exit 77
  fi
fi

# Never replace (and then purge) a Korvane someone installed for real.
if dpkg-query -W -f='${Status}' korvane 2>/dev/null | grep -q "ok installed"; then
  fail "korvane is already installed; remove it first (dpkg -P korvane)"
fi

entry=/usr/share/applications/io.github.korvane.Korvane.desktop
work=$(mktemp -d)
installed=0
cleanup() {
  if [ "$installed" = 1 ]; then
    step "dpkg -P korvane"
    $SUDO dpkg -P korvane >/dev/null || echo "WARNING: dpkg -P korvane failed" >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT

step "apt-get install $deb"
# Its dependencies come through apt; Recommends are not needed for the checks.
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log" >&2; fail "apt-get could not install $deb"; }
installed=1

step "package fields"
fields=$(dpkg-query -W -f='${Depends}\n${Recommends}\n${Suggests}\n${Section}\n' korvane)
grep -q "libqt6widgets6" <<<"$fields" || fail "Depends lacks the Qt libraries found by dpkg-shlibdeps: $fields"
grep -q "libqt6serialport6" <<<"$fields" || fail "Depends lacks libqt6serialport6: $fields"
grep -q "qt6-translations-l10n" <<<"$fields" || fail "Recommends lacks qt6-translations-l10n"
grep -q "xdg-utils" <<<"$fields" || fail "Recommends lacks xdg-utils"
grep -qx "cups" <<<"$fields" || fail "Suggests is not cups"

step "installed files"
for f in /usr/bin/korvane /usr/bin/korvane-cli /usr/bin/korvane-unit-sim \
         $entry \
         /usr/share/icons/hicolor/scalable/apps/korvane.svg \
         /usr/share/metainfo/io.github.korvane.Korvane.metainfo.xml \
         /usr/share/doc/korvane/README.Debian /usr/share/doc/korvane/copyright \
         /usr/share/doc/korvane/changelog.gz; do
  [ -e "$f" ] || fail "$f is missing"
done

step "F1's installed manual folder holds the four manuals"
# The program looks in ../share/korvane/manual beside its own binary.
manuals=$(realpath -m "$(dirname "$(readlink -f /usr/bin/korvane)")/../share/korvane/manual")
for language in en de fr cz; do
  pdf="$manuals/Korvane_$language.pdf"
  [ -s "$pdf" ] || fail "$pdf is missing"
  [ "$(head -c 5 "$pdf")" = "%PDF-" ] || fail "$pdf is not a PDF"
done

export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cd "$work"

# A window that is still up after a few seconds has started; 124 is timeout's.
runs_until_timeout() {
  local rc=0
  timeout 5 "$@" >"$work/run.log" 2>&1 || rc=$?
  [ "$rc" = 124 ] || { cat "$work/run.log" >&2; fail "'$*' ended with $rc instead of running"; }
}

step "korvane --help, --version"
/usr/bin/korvane --help | grep -q "Usage: korvane" || fail "korvane --help"
version=$(dpkg-query -W -f='${Version}' korvane)
for program in korvane korvane-cli korvane-unit-sim; do
  [ "$("/usr/bin/$program" --version)" = "$program $version" ] || fail "$program --version is not '$program $version'"
done

step "man korvane-cli"
# man finds the installed pages by name; its index need not be updated.
for program in korvane korvane-cli korvane-unit-sim; do
  [ "$(man -w "$program")" = "/usr/share/man/man1/$program.1.gz" ] || fail "man -w $program"
  MANPAGER=cat MANWIDTH=80 man "$program" 2>/dev/null | grep -q "^SYNOPSIS" || fail "man $program shows no page"
done

step "korvane starts offscreen"
runs_until_timeout /usr/bin/korvane

step "the desktop entry's Exec starts it"
exec_line=$(sed -n 's/^Exec=//p' "$entry" | head -n 1)
[ -n "$exec_line" ] || fail "the desktop entry has no Exec"
# Field codes such as %f are the launcher's, not ours.
read -r -a exec_words <<<"$(sed 's/ *%[fFuUdDnNickvm]//g' <<<"$exec_line")"
[ "$(command -v "${exec_words[0]}")" = /usr/bin/korvane ] || fail "Exec=$exec_line does not run /usr/bin/korvane"
runs_until_timeout "${exec_words[@]}"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "desktop-file-validate"
fi

step "korvane --simulate uses the installed simulator"
/usr/bin/korvane --simulate >"$work/simulate.log" 2>&1 &
window=$!
# Its child must be the simulator installed beside it, not one of a build tree.
children=""
for _ in $(seq 50); do
  children=$(for child in $(pgrep -P "$window" || true); do readlink "/proc/$child/exe" || true; done)
  grep -qx /usr/bin/korvane-unit-sim <<<"$children" && break
  kill -0 "$window" 2>/dev/null || break
  sleep 0.1
done
kill "$window" 2>/dev/null || true
wait "$window" 2>/dev/null || true
grep -qx /usr/bin/korvane-unit-sim <<<"$children" \
  || { cat "$work/simulate.log" >&2; fail "no /usr/bin/korvane-unit-sim under korvane --simulate (children: ${children:-none})"; }

step "korvane-cli new"
/usr/bin/korvane-cli new --bike 11 -o "$work/bike11.ign" || fail "korvane-cli new"
head -n 1 "$work/bike11.ign" | grep -q "TREMOLAX_KEY" || fail "korvane-cli new wrote no parameter file"

step "korvane-unit-sim --help"
/usr/bin/korvane-unit-sim --help >/dev/null || fail "korvane-unit-sim --help"

cd /
cleanup
installed=0
trap - EXIT
for f in /usr/bin/korvane /usr/share/korvane/manual $entry /usr/share/man/man1/korvane.1.gz; do
  [ ! -e "$f" ] || fail "$f is still there after dpkg -P"
done
echo "PASS: $(basename "$deb") installs, starts, runs its CLI and purges"
