#!/bin/sh
# Installs the build into a staging folder (DESTDIR, prefix /usr) and checks what a
# desktop finds there: the program, its menu entry, the B-file type, the icon, the
# manual page (which must name every option the program's usage names), the
# AppStream metainfo, each checked by its own tool, and the user guide, which the
# installed program opens from Help > User Guide.
# Usage: InstallCheck.sh BUILD_DIR VERSION SAMPLE_BFILE
set -u
build=$1
version=$2
sample=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
share=$stage/usr/share

fail() {
    echo "install check: $*"
    exit 1
}
have() { command -v "$1" >/dev/null; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >"$stage/install.log" 2>&1 ||
    { cat "$stage/install.log"; fail "cmake --install failed"; }

# Exactly these files, nothing more, besides the user guide's pictures.
expected="usr/bin/ardel
usr/share/applications/ardel.desktop
usr/share/doc/ardel/README.md
usr/share/doc/ardel/changelog.gz
usr/share/doc/ardel/copyright
usr/share/doc/ardel/docs/main-window.png
usr/share/doc/ardel/examples/harbour_survey.bfl
usr/share/doc/ardel/examples/harbour_survey_faults.bfl
usr/share/doc/ardel/user-guide.html
usr/share/icons/hicolor/scalable/apps/ardel.svg
usr/share/man/man1/ardel.1.gz
usr/share/metainfo/org.tovarin.Ardel.metainfo.xml
usr/share/mime/packages/ardel.xml"
installed=$(cd "$stage" && find usr -type f | grep -v '^usr/share/doc/ardel/guide/' | LC_ALL=C sort)
[ "$installed" = "$expected" ] || fail "installed files differ:
$installed"

program=$stage/usr/bin/ardel
[ -x "$program" ] || fail "the program is not executable"
[ "$("$program" --version)" = "Ardel $version" ] || fail "--version of the installed program"

desktop=$share/applications/ardel.desktop
if have desktop-file-validate; then
    desktop-file-validate "$desktop" | grep -v ': hint: ' | grep . && fail "desktop-file-validate"
fi
for line in 'Exec=ardel %f' 'Icon=ardel' 'Categories=Office;Science;Geography;Qt;' 'MimeType=text/x-ardel-bfile;'; do
    grep -qxF "$line" "$desktop" || fail "the desktop file lacks \"$line\""
done

xmllint --noout "$share/mime/packages/ardel.xml" "$share/icons/hicolor/scalable/apps/ardel.svg" ||
    fail "xmllint"
update-mime-database "$share/mime" >"$stage/mime.log" 2>&1 || { cat "$stage/mime.log"; fail "update-mime-database"; }
for glob in '*.bfl' '*.BFL' '*.vry' '*.VRY'; do
    grep -qF "text/x-ardel-bfile:$glob" "$share/mime/globs2" || fail "the B-file type lacks the glob $glob"
done
grep -qF HZTLOBS "$share/mime/magic" || fail "the B-file type lacks its magic"
# A B-file under a name no glob knows is still recognised by its first line.
if have gio; then
    cp "$sample" "$stage/survey-without-extension"
    type=$(XDG_DATA_HOME=$stage/nowhere XDG_DATA_DIRS=$share:/usr/share \
        gio info -a standard::content-type "$stage/survey-without-extension" | sed -n 's/^ *standard::content-type: //p')
    [ "$type" = text/x-ardel-bfile ] || fail "a B-file without extension is taken for \"$type\""
fi

if have appstreamcli; then
    appstreamcli validate --no-net "$share/metainfo/org.tovarin.Ardel.metainfo.xml" >"$stage/appstream.log" 2>&1 ||
        { cat "$stage/appstream.log"; fail "appstreamcli validate"; }
fi

# The manual page names every option of the usage text, and the version.
page=$(gzip -dc "$share/man/man1/ardel.1.gz" | sed 's/\\-/-/g') || fail "the manual page is not gzip"
for option in $("$program" --help | grep -o -- '--[a-z]*' | sort -u); do
    printf '%s\n' "$page" | grep -q -- "$option" || fail "the manual page lacks $option"
done
printf '%s\n' "$page" | grep -q "^\.TH ARDEL 1 .*Ardel $version" || fail "the manual page's version"
[ "$(gzip -dc "$share/doc/ardel/changelog.gz" | head -n 1)" = "ardel ($version) stable; urgency=medium" ] ||
    fail "the changelog's version"
# The README's and the guide's pictures are installed beside them.
doc=$share/doc/ardel
for picture in $(grep -o '](docs/[^)]*)' "$doc/README.md" | sed 's/^](//; s/)$//') \
    $(grep -o 'src="[^"]*"' "$doc/user-guide.html" | sed 's/^src="//; s/"$//'); do
    [ -f "$doc/$picture" ] || fail "the picture $picture is not installed"
done
# The installed program opens the installed guide in its help window.
XDG_CONFIG_HOME=$stage/config XDG_DATA_HOME=$stage/data QT_QPA_PLATFORM=offscreen \
    ARDEL_MENU=menu_Help_UserGuide ARDEL_SNAPSHOT=$stage/snapshot timeout 60 "$program" >/dev/null 2>&1 ||
    fail "the program with Help > User Guide"
grep -qx 'help Ardel User Guide' "$stage/snapshot" || fail "Help > User Guide did not show the installed guide"
echo "install check: passed"
