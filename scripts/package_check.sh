#!/usr/bin/env bash
# Builds the Debian package from the build in build/ and checks it: the
# desktop entry and the AppStream metadata validate, lintian finds no error,
# the package holds every file the desktop needs, and the packaged program,
# unpacked into a scratch folder, starts, tells its version, and opens a
# workbook named on its command line once the language is chosen.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh lintian desktop-file-utils appstream dpkg-dev fakeroot file xvfb xdotool strace
./package.sh

deb=$(ls build/package/morvadel_*.deb)
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
upstream=$(sed -n 's/^project(morvadel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
fail() { echo "package check: $*" >&2; exit 1; }
[ "$(basename "$deb")" = "morvadel_${version}_${arch}.deb" ] || fail "named $(basename "$deb")"
[ "${version%-*}" = "$upstream" ] || fail "version $version is not the project's $upstream"

desktop-file-validate packaging/hr.morvadel.Morvadel.desktop
appstreamcli validate --no-net build/packaging/hr.morvadel.Morvadel.metainfo.xml
# Warnings are listed; an error fails.
lintian --fail-on error --info "$deb"

listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
wanted=(./usr/bin/morvadel ./usr/share/applications/hr.morvadel.Morvadel.desktop
  ./usr/share/mime/packages/morvadel.xml ./usr/share/metainfo/hr.morvadel.Morvadel.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/morvadel.svg ./usr/share/man/man1/morvadel.1.gz
  ./usr/share/doc/morvadel/copyright ./usr/share/doc/morvadel/changelog.Debian.gz)
for side in 16 22 24 32 48 64 128 256 512; do wanted+=("./usr/share/icons/hicolor/${side}x${side}/apps/morvadel.png"); done
for f in "${wanted[@]}"; do grep -qxF "$f" <<<"$listing" || fail "$f is not in the package"; done
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/morvadel | file - | grep -q ', stripped' || fail "the program is not stripped"

scratch=$(mktemp -d)
xvfb=
program_pid=
cleanup() {
  [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$scratch/root"
program=$scratch/root/usr/bin/morvadel
said=$(QT_QPA_PLATFORM=offscreen "$program" --version)
[ "$said" = "Morvadel $upstream" ] || fail "--version said '$said'"
# Offscreen it stands at the language choice until it is ended.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$program" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the program ended by itself offscreen (status $status)"

# On an X display of its own: the English button of the language choice is
# clicked, and the workbook, which has an amount that does not read, is read
# and its one warning shown over the main window.
cp tests/fixtures/hand_edited.eka "$scratch/"
workbook=$scratch/hand_edited.eka
fifo=$scratch/display
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb=$!
read -r number <"$fifo" || true
[ -n "${number:-}" ] || fail "Xvfb did not start"
export DISPLAY=:$number
QT_QPA_PLATFORM=xcb strace -f -qq -e trace=openat -o "$scratch/opened" "$program" "$workbook" >/dev/null 2>&1 &
program_pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Morvadel$' | head -1) || fail "no window"
sleep 1
grep -qF "\"$workbook\"" "$scratch/opened" && fail "the workbook was read before the language was chosen"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The two language buttons stand side by side at the bottom, English on the right.
xdotool mousemove $((X + WIDTH / 2 + 59)) $((Y + HEIGHT - 55)) click 1
for _ in $(seq 300); do
  [ "$(xdotool search --onlyvisible --name '^Morvadel$' | wc -l)" -ge 2 ] && break
  sleep 0.1
done
[ "$(xdotool search --onlyvisible --name '^Morvadel$' | wc -l)" -ge 2 ] || fail "no warning about the workbook's amount"
grep -E "\"$workbook\", O_RDONLY.* = [0-9]+$" "$scratch/opened" >/dev/null || fail "the workbook was not read"
echo "package check: $(basename "$deb") passed"
