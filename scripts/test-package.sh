#!/usr/bin/env bash
# The package as a user meets it, on a CI machine as root: lintian finds no
# error or warning in it; apt installs it with what its Depends line names; a
# throwaway user with a fresh HOME runs it from / (a scripted run to a
# screenshot, then the launcher driven with real keys and an F12 screenshot);
# the menu entry, metainfo and manual page are checked; apt purges it and no
# file of it is left. The user and any package the install pulled in go too.
# SHOT_TO=<file> keeps a copy of the F12 screenshot.
#   scripts/test-package.sh <package.deb>
set -euo pipefail
deb=$(realpath "${1:?usage: scripts/test-package.sh <package.deb>}")
[ "$(id -u)" = 0 ] || { echo "test-package: run as root: it installs the package" >&2; exit 1; }
! dpkg -s 3d-varne >/dev/null 2>&1 || { echo "test-package: 3d-varne is installed already" >&2; exit 1; }

user=varne-test-$$ home=/tmp/varne-test-$$
log=$home/.local/state/3d-varne/log.txt pictures=$home/Pictures/3d-varne
installed() { dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '/^ii/ {print $2}' | sort; }
before=$(installed)
fail() { echo "FAIL: $*" >&2; [ -f "$log" ] && sed 's/^/  log| /' "$log" >&2; exit 1; }
cleanup() {
  kill ${pid:-} ${xvfb:-} 2>/dev/null || true
  wait 2>/dev/null || true
  local added
  added=$(comm -13 <(echo "$before") <(installed))
  [ -z "$added" ] || apt-get purge -y -qq $added >/dev/null
  # userdel refuses while a process of the user is still ending.
  for _ in 1 2 3 4 5; do
    id "$user" >/dev/null 2>&1 || break
    userdel -r "$user" 2>/dev/null || sleep 1
  done
}
trap cleanup EXIT

useradd --create-home --home-dir "$home" --shell /bin/bash "$user"
for n in $(shuf -i 40-99); do [ -e /tmp/.X$n-lock ] || break; done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -ac >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$n
# An error box would wait for a click: VARNE_MESSAGEBOX=no answers it and prints it.
as_user() { runuser -u "$user" -- env -i HOME="$home" USER="$user" DISPLAY="$DISPLAY" \
  PATH=/usr/local/bin:/usr/bin:/bin:/usr/games VARNE_MESSAGEBOX=no "$@"; }
await() { for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done; "$@"; }
logged() { await grep -qF -- "$1" "$log" 2>/dev/null || fail "log never showed: $1"; }
press() { for key in "$@"; do xdotool keydown "$key"; sleep 0.4; xdotool keyup "$key"; sleep 0.2; done; }
focus() { xdotool windowfocus --sync "$(timeout 10 xdotool search --sync --onlyvisible --name '^3D-Varne$' | head -n 1)"; }
# <png>: the frame the scene shows from the start: 800 x 600, sky above, floor below.
scene_in() {
  local sky floor
  [ "$(identify -format '%wx%h' "$1")" = 800x600 ] || fail "$1: not 800 x 600"
  sky=$(convert "$1" -crop 800x150+0+150 -fx 'b>r && b>0.5' -format '%[fx:mean]' info:)
  floor=$(convert "$1" -crop 800x120+0+470 -fx 'g>r && g>b' -format '%[fx:mean]' info:)
  awk -v s="$sky" -v f="$floor" 'BEGIN {exit !(s > 0.3 && f > 0.3)}' || fail "$1: no sky or floor"
}

cd /
as_user lintian --fail-on error,warning "$deb" || fail "lintian"
apt-get install -y -qq "$deb" >/dev/null || fail "apt-get install"
await test -e "/tmp/.X11-unix/X$n" || fail "no X server"
as_user timeout 60 3d-varne --mode 6 --frames 120 --screenshot shot.png || fail "scripted run: exit $?"
logged "Screenshot saved: $pictures/shot.png"
scene_in "$pictures/shot.png"
logged "Writing log.txt to $home/.local/state/3d-varne and screenshots to $pictures"
echo "ok: a run from / wrote $pictures/shot.png and $log"

as_user 3d-varne &
pid=$!
logged "Menu Init:"
sleep 0.3 && focus || fail "no launcher window"
press Down Down Return
logged "Starting the Main-Loop"
sleep 1 && focus || fail "no scene window"
press F12
logged "Screenshot saved: $pictures/3d-varne-"
press Escape
wait "$pid" || fail "launcher run: exit $?"
pid=
shot=$(ls "$pictures"/3d-varne-*.png)
scene_in "$shot"
[ -z "${SHOT_TO:-}" ] || cp "$shot" "$SHOT_TO"
echo "ok: the launcher, Down Down Return, F12 wrote $shot"

desktop-file-validate /usr/share/applications/3d-varne.desktop || fail "desktop entry"
appstreamcli validate --no-net /usr/share/metainfo/*.metainfo.xml >/dev/null || fail "metainfo"
man -l /usr/share/man/man6/3d-varne.6.gz 2>&1 | grep -q -- "--screenshot" || fail "manual page"
echo "ok: desktop entry, metainfo and manual page"

files=$(dpkg -L 3d-varne)
apt-get purge -y -qq 3d-varne >/dev/null || fail "apt-get purge"
! dpkg -L 3d-varne >/dev/null 2>&1 || fail "dpkg still lists 3d-varne"
for f in $files; do [[ -d $f && $f != *3d-varne* ]] || [ ! -e "$f" ] || fail "left after purge: $f"; done
echo "ok: purged; no file of the package is left"
