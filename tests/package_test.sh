#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a throwaway root, checks that
# the files land where the launcher expects them, validates the launcher
# and the AppStream data, and starts the installed program offscreen from
# the launcher's working directory for a moment.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/numbers3_*.deb | head -1)
echo "package: $deb"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6multimedia6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$lib" <<<"$depends" || { echo "missing dependency $lib"; exit 1; }
done
if grep -q -- "-dev" <<<"$depends"; then echo "depends on a -dev package"; exit 1; fi
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -q -E "fonts-(ipafont-gothic|noto-cjk)" <<<"$recommends" || { echo "no Japanese font recommended: $recommends"; exit 1; }

dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/io.github.numbers3.Numbers3.desktop
for f in usr/bin/numbers3 usr/share/metainfo/io.github.numbers3.Numbers3.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/numbers3.svg usr/share/icons/hicolor/48x48/apps/numbers3.png \
         usr/lib/numbers3/libnumbers3-click.so; do
    [ -f "$root/$f" ] || { echo "missing /$f"; exit 1; }
done
[ -f "$desktop" ] || { echo "missing launcher"; exit 1; }

exec_line=$(sed -n 's/^Exec=//p' "$desktop")
path_line=$(sed -n 's/^Path=//p' "$desktop")
[ "$exec_line" = /usr/bin/numbers3 ] || { echo "Exec=$exec_line"; exit 1; }
[ "$path_line" = /usr/share/numbers3 ] || { echo "Path=$path_line"; exit 1; }
for f in numbers_ja.qm html/index.html wav/check.wav; do
    [ -f "$root$path_line/$f" ] || { echo "missing $path_line/$f"; exit 1; }
done

if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.numbers3.Numbers3.metainfo.xml"
fi

# The manual pages render in both languages without a warning from groff.
for page in man1 ja/man1; do
    out=$(LANG=C.UTF-8 man --warnings -E UTF-8 -l "$root/usr/share/man/$page/numbers3.1.gz" 2>"$root/man.err")
    [ ! -s "$root/man.err" ] || { echo "man $page:"; cat "$root/man.err"; exit 1; }
    grep -q -E "^(NAME|名前)" <<<"$out" || { echo "man $page renders no NAME section"; exit 1; }
done
echo "manual pages render"

copyright=$root/usr/share/doc/numbers3/copyright
/usr/bin/python3 -c 'import sys; from debian.copyright import Copyright; Copyright(open(sys.argv[1]), strict=True)' "$copyright"
echo "copyright parses as DEP-5"

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning --tag-display-limit 0 "$deb"
    echo "lintian: no error, no warning"
fi

# Still running after two seconds: it came up and kept rolling.
set +e
(cd "$root$path_line" && QT_QPA_PLATFORM=offscreen LANG=ja_JP.UTF-8 timeout 2 "$root$exec_line" >/dev/null 2>&1)
status=$?
set -e
[ $status -eq 124 ] || { echo "the installed program ended early with status $status"; exit 1; }
echo "installed program ran from $path_line"
