#!/usr/bin/env bash
# The program installed as users and packages install it. cmake --install
# puts this build into a fresh prefix: the program, its menu entry, software
# centre description, icons and manual page, and its data with a qor.ini that
# names the installed sound folder (with DESTDIR too, as a package build does,
# the folder without the staging part). The validators accept the desktop
# files; the installed program answers --help and --version without a display
# and refuses an unknown option; started from the prefix on a virtual X
# display with fresh personal folders, it draws its start page, keeps its
# settings in $XDG_CONFIG_HOME/qor and writes nothing into the installation.
#
#   installation_works.sh PROGRAM LINK-POSITION-TOOL SCREEN-PROBE CMAKE VERSION
set -euo pipefail
program=$(readlink -f "$1")
link_position=$(readlink -f "$2")
screen_probe=$(readlink -f "$3")
cmake=$4
version=$5
source "$(dirname "$(readlink -f "$0")")/driver.sh"

build=$(dirname "$program")
app_id=io.github.qor_spanisch

install_into() { # prefix, [DESTDIR]
    env DESTDIR="${2:-}" "$cmake" --install "$build" --prefix "$1" >"$work/install.log" 2>&1 ||
        fail "cmake --install failed: $(tail -5 "$work/install.log")"
}

# Width and height of a PNG picture, from its header.
png_size() { # file
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'
}

prefix=$work/prefix
install_into "$prefix"
data=$prefix/share/qor-spanisch
for file in bin/qor-spanisch "share/applications/$app_id.desktop" \
    "share/metainfo/$app_id.metainfo.xml" share/icons/hicolor/scalable/apps/qor-spanisch.svg \
    share/man/man1/qor-spanisch.1.gz; do
    [[ -s "$prefix/$file" ]] || fail "the installation lacks $file"
done
[[ -x "$prefix/bin/qor-spanisch" ]] || fail "the installed program cannot be run"
for size in 16 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/qor-spanisch.png
    [[ -f "$icon" ]] || fail "no icon of ${size}x${size}"
    [[ "$(png_size "$icon")" == "${size}x${size}" ]] ||
        fail "the icon of ${size}x${size} is $(png_size "$icon")"
done
# Everything the sample installation in the build tree holds, and no user
# folder: the users keep their files in their own data folders.
for entry in hqor/main.htx s_d.qor d_s.qor s_w.qor wave/QOR_S editor/default.ed qor.ini; do
    [[ -f "$data/$entry" ]] || fail "the installed data lack $entry"
done
for pattern in "Vokabeln (S)/Grundwortschatz/*.asc" "wave/vokabeln/*.wav" "wave/LA/*.wav" \
    "MP3/*.mp3" "Techno/*.jpg"; do
    [[ -n "$(find "$data" -path "$data/$pattern" -print -quit)" ]] ||
        fail "the installed data have no $pattern"
done
[[ ! -e "$data/Benutzer" ]] || fail "the installation has a user folder"
cmp -s "$build/hqor/main.htx" "$data/hqor/main.htx" || fail "the installed start page differs"
grep -qx "Wave-Verzeichnis=$data/wave/"$'\r' "$data/qor.ini" ||
    fail "qor.ini does not name the installed sound folder: $(cat "$data/qor.ini")"

# A package build installs into a staging folder; the files must name the
# place the package puts them.
install_into /opt/qor "$work/stage"
[[ -x "$work/stage/opt/qor/bin/qor-spanisch" ]] || fail "DESTDIR: no program below the staging folder"
grep -qx "Wave-Verzeichnis=/opt/qor/share/qor-spanisch/wave/"$'\r' \
    "$work/stage/opt/qor/share/qor-spanisch/qor.ini" ||
    fail "DESTDIR: qor.ini names $(grep Wave "$work/stage/opt/qor/share/qor-spanisch/qor.ini")"
rm -rf "$work/stage"

# The menu entry starts the installed command with its icon; the validators
# accept the files where they are installed.
desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
grep -qx "Exec=qor-spanisch" "$desktop" || fail "the menu entry does not start qor-spanisch"
grep -qx "Icon=qor-spanisch" "$desktop" || fail "the menu entry names another icon"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the menu entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
zcat "$prefix/share/man/man1/qor-spanisch.1.gz" | grep -q "qor spanisch $version" ||
    fail "the manual page is not of version $version"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refused the menu entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
        fail "appstreamcli refused the metainfo: $(cat "$work/appstream.log")"
fi
if command -v groff >/dev/null; then
    warnings=$(zcat "$prefix/share/man/man1/qor-spanisch.1.gz" | groff -k -man -ww -z -Tutf8 2>&1)
    [[ -z "$warnings" ]] || fail "the manual page has faults: $warnings"
fi

# The command line: status, the text expected on standard output or error.
# Help and version come without a display: Qt would end the program without one.
installed=$prefix/bin/qor-spanisch
while IFS='|' read -r display arguments status stream expected; do
    read -ra words <<<"$arguments"
    actual=0
    if [[ "$display" == none ]]; then
        env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$installed" "${words[@]}" \
            >"$work/stdout" 2>"$work/stderr" || actual=$?
    else
        timeout 20 "$installed" "${words[@]}" >"$work/stdout" 2>"$work/stderr" || actual=$?
    fi
    [[ "$actual" == "$status" ]] ||
        fail "qor-spanisch $arguments ended with $actual, not $status: $(cat "$work/stderr")"
    grep -qF -- "$expected" "$work/$stream" ||
        fail "qor-spanisch $arguments printed no \"$expected\" on $stream: $(cat "$work/$stream")"
done <<EOF
none|--version|0|stdout|qor-spanisch $version
none|-v|0|stdout|qor-spanisch $version
none|--help|0|stdout|editor         öffnet den Vokabel-Editor
none|-h|0|stdout|register       legt nach dem Start
none|editor --help|0|stdout|-v, --version
x|--unbekannt|2|stderr|unbekannte Option „--unbekannt“
x|editor -x|2|stderr|„qor-spanisch --help“
EOF

# The start from the installation, its personal folders fresh; one user, so
# that no first-login wizard holds the start page back. A Qt option on the
# command line is taken, not refused.
config_home=$work/xdg-config
data_home=$work/xdg-data
mkdir -p "$work/home" "$data_home/qor/Benutzer"
: >"$data_home/qor/Benutzer/Tester_S.qob"
listing() {
    find "$prefix" -printf '%P %s %T@ %m\n' | sort
}
before=$(listing)
status=0
env -u QOR_HOME -u QOR_CONFIG_DIR HOME="$work/home" XDG_CONFIG_HOME="$config_home" \
    XDG_DATA_HOME="$data_home" QOR_STARTUP_PROBE=exit SDL_AUDIODRIVER=dummy \
    timeout 60 "$installed" -platform xcb >"$work/stdout" 2>"$work/stderr" || status=$?
[[ "$status" == 0 ]] || fail "the installed program ended with $status: $(cat "$work/stderr")"
grep -q "startup: first frame" "$work/stderr" ||
    fail "the installed program drew no start page: $(cat "$work/stderr")"
after=$(listing)
[[ "$after" == "$before" ]] ||
    fail "the program wrote into the installation: $(diff <(echo "$before") <(echo "$after"))"
grep -qF "\"Programm\"=\"$installed\"" "$config_home/qor/registry.ini" ||
    fail "the settings are not in \$XDG_CONFIG_HOME/qor/registry.ini"
echo "installed into a prefix and with DESTDIR, validated, started from $prefix"
