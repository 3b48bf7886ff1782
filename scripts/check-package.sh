#!/usr/bin/env bash
# Installs the Debian package in a brand-new Debian 12 root, as a user would, and checks
# that it runs: apt installs it with its dependencies, tarvenn --version answers, the
# game started from the user's home shows the progress window and then its window, the
# data folder then holds enddb1-4, the installed book is read, and the menu entry's
# command starts the game too. Run as root on Debian 12; it takes a few minutes and
# downloads Debian packages, so it is not part of scripts/test.sh.
#   scripts/check-package.sh [PACKAGE.deb]    (default: build it with scripts/package.sh)
# Needs debootstrap, Xvfb and xdotool (installed when missing). Exit status: 0 when every
# check passed, 1 when one failed, 2 when no Debian root could be made (the reason is said).
set -uo pipefail
cd "$(dirname "$0")/.."

say() { echo "== $*"; }
failures=0
check() {  # check "what" command...: runs the command, prints PASS or FAIL with "what"
  local what=$1
  shift
  if "$@"; then echo "PASS: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

[ "$(id -u)" = 0 ] || { echo "cannot check: run as root (debootstrap and chroot need it)"; exit 2; }
bash scripts/install-deps.sh debootstrap >/dev/null || { echo "cannot check: installing debootstrap failed"; exit 2; }

package=${1:-}
if [ -z "$package" ]; then
  say "building the package"
  bash scripts/package.sh >/tmp/tarvenn-package.log 2>&1 || { echo "cannot check: scripts/package.sh failed"; exit 1; }
  package=$(ls build-package/tarvenn_*_amd64.deb)
fi
package=$(realpath "$package")
say "package $package"

# The mirror that apt itself uses here, else Debian's own.
mirror=$(grep -hsoE '^(URIs:|deb) +[^ ]+/debian/?( |$)' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list |
  head -1 | awk '{print $2}')
mirror=${MIRROR:-${mirror:-http://deb.debian.org/debian}}

root=$(mktemp -d /var/tmp/tarvenn-check.XXXXXX)
chmod 755 "$root"  # the new system's user must reach its own files
xvfb=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  for m in "$root/tmp/.X11-unix" "$root/proc"; do mountpoint -q "$m" && umount -l "$m"; done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT

say "making a Debian 12 root in $root from $mirror"
if ! debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1; then
  echo "cannot check: debootstrap could not make a Debian 12 root from $mirror:"
  tail -5 "$root.log"
  rm -f "$root.log"
  exit 2
fi
rm -f "$root.log"
say "the new root has $(chroot "$root" dpkg-query -W | wc -l) packages; no compiler:" \
  "$(chroot "$root" sh -c 'command -v cc g++ cmake || echo none')"

mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$package" "$root/tmp/"
# A user of the new system, whose login shell finds /usr/games.
echo "player:x:1000:1000::/home/player:/bin/bash" >>"$root/etc/passwd"
echo "player:x:1000:" >>"$root/etc/group"
mkdir -p "$root/home/player" && chown 1000:1000 "$root/home/player"

say "apt-get install ./$(basename "$package")"
chroot "$root" apt-get update -q >/dev/null 2>&1
install_package() {
  chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y "/tmp/$(basename "$package")" \
    >"$root/tmp/install.log" 2>&1
  local status=$?
  sed -n '/^The following NEW packages/,/newly installed/p' "$root/tmp/install.log"
  [ $status = 0 ] || tail -5 "$root/tmp/install.log"
  return $status
}
check "apt-get installs the package and its dependencies" install_package
chroot "$root" dpkg-query -W -f='installed ${Package} ${Version}, depends on ${Depends}\n' tarvenn

# The X server runs here; the root shares its socket.
display=:$((150 + RANDOM % 50))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

as_player() {  # runs a login shell's command as the user in their home
  chroot --userspec=1000:1000 "$root" env -i HOME=/home/player USER=player DISPLAY="$display" \
    bash -lc "cd && $1"
}
start_as_player() {  # starts a program that way in the background; $app is the program itself
  (exec chroot --userspec=1000:1000 "$root" env -i HOME=/home/player USER=player DISPLAY="$display" \
    bash -lc "cd && exec $1") &
  app=$!
}
window_named() {  # waits up to $2 seconds for a visible window whose name matches $1
  local end=$((SECONDS + $2))
  while [ $SECONDS -le "$end" ]; do
    DISPLAY=$display xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}
shot() { DISPLAY=$display xwd -root -silent | convert xwd:- "$1" 2>/dev/null; }
stop_game() {
  kill "$app" 2>/dev/null
  wait "$app" 2>/dev/null
  app=""
}

version=$(as_player "tarvenn --version")
echo "tarvenn --version: $version"
check "tarvenn --version answers tarvenn 0.8" test "$version" = "tarvenn 0.8"
check "tarvenn --help ends with status 0" as_player "tarvenn --help >/dev/null"
as_player "tarvenn-engine >/dev/null 2>&1"
check "tarvenn-engine without a command ends with status 2" test $? = 2
# The catalogues came with the package (C.UTF-8 needs no generated locale).
check "tarvenn --help speaks Portuguese and Russian" \
  as_player "LC_ALL=C.UTF-8 LANGUAGE=pt_BR tarvenn --help | grep -q '^Uso: tarvenn' &&
             LC_ALL=C.UTF-8 LANGUAGE=ru tarvenn --help | grep -q '^Использование: tarvenn'"

say "first start from \$HOME"
start_as_player tarvenn
check "the progress window appears" window_named '^Tarvenn: first start$' 30
[ -n "${SHOTS:-}" ] && shot "$SHOTS/check-first-start.png"
check "the game's window follows" window_named '^Tarvenn v' 120
check "the progress window is gone" bash -c "! DISPLAY=$display xdotool search --onlyvisible --name '^Tarvenn: first start$'"
[ -n "${SHOTS:-}" ] && shot "$SHOTS/check-game.png"
stop_game
echo "~/.local/share/tarvenn holds:"
as_player "ls -l .local/share/tarvenn"
check "the data folder holds enddb1-4 of full size" as_player \
  "[ \"\$(stat -c %s .local/share/tarvenn/enddb{1,2,3,4}.bin | tr '\n' ' ')\" = '128 7936 317440 9205760 ' ]"
book=$(as_player "tarvenn-engine book" | head -1)
echo "tarvenn-engine book from \$HOME: $book"
check "the installed book is read" test "$book" = "white 182 186 black 179 189"

say "the menu entry's command"
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/tarvenn.desktop")
echo "Exec=$command"
start_as_player "$command"
check "the menu entry's command starts the game" window_named '^Tarvenn v' 30
check "no progress window on a later start" bash -c "! DISPLAY=$display xdotool search --onlyvisible --name '^Tarvenn: first start$'"
stop_game

echo "$failures failed"
[ "$failures" = 0 ]
