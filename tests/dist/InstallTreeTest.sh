#!/usr/bin/env bash
# cmake --install into a fresh prefix gives the whole game and nothing else:
# the program, the data as shipped (no saved games), the launcher and the
# software-centre entry (both valid for the desktop's own validators, naming
# each other, the icon and the program), the icon in four sizes, and a
# manual page that renders cleanly and lists every option -help lists.
set -u
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$E2E_WORK/prefix"
id="$THRASK_APP_ID"
rm -rf "$prefix"
cmake --install "$THRASK_BUILD_DIR" --prefix "$prefix" >"$E2E_WORK/install.log" \
    || fail "cmake --install: $(tail -n 3 "$E2E_WORK/install.log")"

# The files, and no others.
expected=(bin/thrask "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
          share/man/man6/thrask.6.gz share/doc/thrask/copyright share/doc/thrask/changelog.gz)
for size in 32 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
folders=(Textures Levels Intro Sounds Music)
for folder in "${folders[@]}"; do
    while IFS= read -r file; do
        expected+=("share/thrask/$folder/$file")
    done < <(cd "$THRASK_DATA_DIR/$folder" && find . -type f ! -name .keep | sed 's|^\./||')
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) \
    >"$E2E_WORK/files.diff" || fail "installed files differ from the expected ones (< expected, > installed):
$(cat "$E2E_WORK/files.diff")"
[ -x "$prefix/bin/thrask" ] || fail "bin/thrask is not executable"
for folder in "${folders[@]}"; do
    diff -r -x .keep "$THRASK_DATA_DIR/$folder" "$prefix/share/thrask/$folder" >/dev/null \
        || fail "share/thrask/$folder differs from data/$folder"
done

# The icon: a square PNG of each size with transparency.
for size in 32 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    got=$(identify -format '%m %w %h %A' "$icon") || fail "$icon does not decode"
    case "$got" in
        "PNG $size $size "[Bb]lend|"PNG $size $size True") ;;
        *) fail "$icon is '$got', expected a ${size}x${size} PNG with alpha" ;;
    esac
done

# The launcher and the software-centre entry.
desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the launcher"
grep -qx "Exec=thrask" "$desktop" || fail "the launcher does not start thrask"
grep -qx "Icon=$id" "$desktop" || fail "the launcher does not name the icon $id"
grep -qx "Categories=Game;ArcadeGame;" "$desktop" || fail "the launcher's categories"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >"$E2E_WORK/appstream.log" 2>&1 \
    || fail "appstreamcli rejects the metainfo: $(cat "$E2E_WORK/appstream.log")"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not name the launcher"
grep -q "<caption>..*</caption>" "$metainfo" || fail "no screenshot caption"
grep -q '<content_rating type="oars-1.1">' "$metainfo" || fail "no content rating"
version=$("$THRASK_BIN" -version | sed 's/^thrask //')
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo's release is not $version"

# The licence, in Debian's machine-readable form, and the release history of
# this very version.
copyright="$prefix/share/doc/thrask/copyright"
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    || fail "the copyright file is not in the machine-readable format"
grep -qx 'License: Expat' "$copyright" || fail "the copyright file does not name the game's licence"
zcat "$prefix/share/doc/thrask/changelog.gz" | head -n 1 | grep -q "^thrask ($version) " \
    || fail "the changelog's latest entry is not $version"

# The manual page: renders without a warning, and lists every option.
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/thrask.6.gz" \
    >"$E2E_WORK/man.txt" 2>"$E2E_WORK/man.err" || fail "man cannot render thrask.6"
[ -s "$E2E_WORK/man.err" ] && fail "man warns: $(cat "$E2E_WORK/man.err")"
options=$("$THRASK_BIN" -help | awk '/^  -/ {
    sub(/^  /, ""); split($0, columns, /  +/); n = split(columns[1], names, /, /)
    for (i = 1; i <= n; i++) { split(names[i], words, " "); print words[1] } }')
[ "$(echo "$options" | wc -l)" -ge 20 ] || fail "-help lists too few options: $options"
for option in $options; do
    grep -qE -- "(^|[ ,])$option([ ,]|$)" "$E2E_WORK/man.txt" || fail "the manual page does not list $option"
done

echo "PASS"
