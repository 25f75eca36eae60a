#!/usr/bin/env bash
# cpack -G DEB makes a Debian package of the installed tree under /usr (the
# program in /usr/games, as Debian keeps games) that lintian accepts, whose
# dependencies are the libraries the game needs (found by dpkg-shlibdeps)
# plus what it opens at run time. Unpacked into a folder (not installed:
# that would change the machine), its program started from / finds the data
# beside it and opens its window.
. "$(dirname "$0")/../e2e/harness.sh"

id="$THRASK_APP_ID"
rm -rf "$E2E_WORK/package" "$E2E_WORK/root"
cpack -G DEB -B "$E2E_WORK/package" --config "$THRASK_BUILD_DIR/CPackConfig.cmake" \
    >"$E2E_WORK/cpack.log" 2>&1 || e2e_fail "cpack: $(tail -n 5 "$E2E_WORK/cpack.log")"
packages=("$E2E_WORK"/package/thrask_*.deb)
[ ${#packages[@]} = 1 ] && [ -f "${packages[0]}" ] || e2e_fail "no single thrask_*.deb: ${packages[*]}"
deb="${packages[0]}"

[ "$(dpkg-deb -f "$deb" Package)" = thrask ] || e2e_fail "the package is not named thrask"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || e2e_fail "the package is not in section games"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libc6 libstdc++6 libsdl2-2.0-0 libsdl2-mixer-2.0-0 libdevil1c2 libfreetype6 libfontconfig1 \
              libopengl0 libgl1 fonts-comic-neue; do
    echo "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/ .*//' | grep -qx "$needed" \
        || e2e_fail "Depends lacks $needed: $depends"
done

# Everything under /usr, as cmake --install lays it out.
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$E2E_WORK/contents.txt"
grep -v '^\./usr/' "$E2E_WORK/contents.txt" | grep -qv '^\./$' && e2e_fail "files outside /usr: $(grep -v '^\./usr/' "$E2E_WORK/contents.txt")"
for file in usr/games/thrask usr/share/doc/thrask/copyright usr/share/doc/thrask/changelog.gz usr/share/thrask/Textures/title.png usr/share/thrask/Levels/l15.lvl \
            usr/share/thrask/Intro/l1.txt usr/share/thrask/Sounds/pepper.wav \
            usr/share/thrask/Music/menu.ogg "usr/share/applications/$id.desktop" \
            "usr/share/metainfo/$id.metainfo.xml" usr/share/man/man6/thrask.6.gz \
            "usr/share/icons/hicolor/256x256/apps/$id.png"; do
    grep -qx "\./$file" "$E2E_WORK/contents.txt" || e2e_fail "the package lacks /$file"
done
grep -q '/Save/' "$E2E_WORK/contents.txt" && e2e_fail "the package holds saved games"
grep -q '^\./usr/bin/' "$E2E_WORK/contents.txt" && e2e_fail "the package puts a program in /usr/bin, not /usr/games"

# Debian's own checker of packages, where it is installed: no error and no
# warning (its informational notes are left to the reader of its log).
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" >"$E2E_WORK/lintian.log" 2>&1 \
        || e2e_fail "lintian: $(grep -E '^[EW]: ' "$E2E_WORK/lintian.log" || tail -n 5 "$E2E_WORK/lintian.log")"
    echo "lintian: no error or warning"
fi

# The unpacked program, started from / with nothing naming its data.
dpkg-deb -x "$deb" "$E2E_WORK/root"
export XDG_DATA_HOME="$E2E_WORK/player"
e2e_start_display
e2e_start_program / "$E2E_WORK/root/usr/games/thrask" -win
kill -TERM "$GAME_PID"
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "the unpacked game: exit status $GAME_STATUS"

echo "PASS"
