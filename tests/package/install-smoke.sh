#!/bin/sh
# Builds the Debian package from an already built tree, unpacks it into a
# temporary root with dpkg -x and runs the unpacked program from there.
# Usage: install-smoke.sh BUILD_DIR
set -eu
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package: $*" >&2; exit 1; }

# Uncompressed, unstripped and without dpkg-shlibdeps (20 s on the
# sanitizer build's binary): the contents and the declared dependencies are
# under test here, not the size or the computed library versions.
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" -D CPACK_DEBIAN_COMPRESSION_TYPE=none \
     -D CPACK_STRIP_FILES=OFF -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack failed"
fi
deb=$(ls "$work"/out/parlhora_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no .deb made"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6network6 qt6-qpa-plugins libasound2; do
  echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = parlhora ] || fail "wrong package name"
dpkg-deb -f "$deb" Description | grep -q dialout || fail "description says nothing of dialout"

root="$work/root"
dpkg -x "$deb" "$root"
for f in usr/bin/parlhora usr/share/applications/parlhora.desktop \
         usr/share/icons/hicolor/48x48/apps/parlhora.png usr/share/doc/parlhora/parlhora_help.html \
         usr/share/doc/parlhora/copyright usr/share/doc/parlhora/README.Debian \
         usr/share/man/man1/parlhora.1.gz usr/lib/systemd/user/parlhora.service; do
  [ -f "$root/$f" ] || fail "missing $f"
done
grep -q '^Exec=parlhora$' "$root/usr/share/applications/parlhora.desktop" || fail "desktop entry runs something else"
grep -q '^Icon=parlhora$' "$root/usr/share/applications/parlhora.desktop" || fail "desktop entry names another icon"
grep -q '^ExecStart=/usr/bin/parlhora --headless' "$root/usr/lib/systemd/user/parlhora.service" ||
  fail "user unit does not start the installed program"
gzip -dc "$root/usr/share/man/man1/parlhora.1.gz" | grep -q '^\.TH PARLHORA 1' || fail "man page unreadable"
grep -q dialout "$root/usr/share/doc/parlhora/parlhora_help.html" || fail "help page says nothing of dialout"

# The unpacked program runs from its new place, with no display.
home="$work/home"
mkdir -p "$home"
unset DISPLAY WAYLAND_DISPLAY
program="$root/usr/bin/parlhora"
[ "$("$program" --version)" = "parlhora $(dpkg-deb -f "$deb" Version)" ] || fail "--version: $("$program" --version)"
"$program" devices >"$work/devices" 2>"$work/devices.err" || fail "devices failed: $(cat "$work/devices.err")"
[ "$(head -n 1 "$work/devices")" = "-1 default" ] || fail "devices: $(cat "$work/devices")"
printf '[PARLHORA V2.2.3]\r\nPERIOD=3\r\nSTART_RANGE=7\r\nEND_RANGE=9\r\n' >"$home/parlhora.ini"
"$program" --home "$home" schedule --date 2026-03-05 >"$work/schedule" 2>"$work/schedule.err" ||
  fail "schedule failed: $(cat "$work/schedule.err")"
# Every 15 minutes from 07:00 up to, not including, 09:00.
[ "$(head -n 1 "$work/schedule")" = 07:00 ] && [ "$(wc -l <"$work/schedule")" -eq 8 ] ||
  fail "schedule: $(cat "$work/schedule")"
"$program" --home "$home" voice check >"$work/voice" || fail "voice check failed"
"$program" --help | grep -q 'voice check' || fail "usage lacks voice check"
exit 0
