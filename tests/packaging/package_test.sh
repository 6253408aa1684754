#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a throwaway root, checks that
# the files land where the launcher expects them, validates the launcher
# and the AppStream data, and starts the installed program offscreen from
# the launcher's working directory for a moment.
#   package_test.sh BUILD_DIR CLICK_MODE_HELPER
set -euo pipefail
build=$1
click_mode=$(realpath "$2")
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
# Continuation lines of the long description start with one blank; two
# would show them as preformatted text.
if dpkg-deb -f "$deb" Description | grep -q '^  '; then
    echo "preformatted lines in the description:"; dpkg-deb -f "$deb" Description; exit 1
fi
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -q -E "fonts-(ipafont-gothic|noto-cjk)" <<<"$recommends" || { echo "no Japanese font recommended: $recommends"; exit 1; }

dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/io.github.numbers3.Numbers3.desktop
for f in usr/bin/numbers3 usr/share/metainfo/io.github.numbers3.Numbers3.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/numbers3.svg usr/share/icons/hicolor/48x48/apps/numbers3.png \
         usr/lib/numbers3/libnumbers3-click.so usr/share/doc/numbers3/README.md.gz \
         usr/share/doc/numbers3/README.ja.md.gz; do
    [ -f "$root/$f" ] || { echo "missing /$f"; exit 1; }
done
[ -f "$desktop" ] || { echo "missing launcher"; exit 1; }

# A launcher's main entry holds exactly the keys a desktop reads to start
# and place the program: desktop-file-validate accepts a wrong window class
# or a terminal just as well, so each key is compared.
#   entry FILE        the main entry's KEY=VALUE lines, sorted
entry() { sed -n '/^\[Desktop Entry\]/,/^\[/{/^[A-Za-z]/p}' "$1" | sort; }
key() { entry "$1" | sed -n "s/^$2=//p"; }
expect_keys() {
    local file=$1; shift
    local want; want=$(printf '%s\n' "$@" | sort)
    local have; have=$(entry "$file" | awk -F= -v keys="$(printf '%s\n' "$@" | sed 's/=.*//')" \
        'BEGIN { split(keys, k, "\n"); for (i in k) want[k[i]] = 1 } ($1 in want)')
    [ "$have" = "$want" ] || { echo "$file:"; diff <(echo "$want") <(echo "$have"); exit 1; }
}
expect_keys "$desktop" Type=Application Exec=/usr/bin/numbers3 Path=/usr/share/numbers3 Icon=numbers3 \
    Terminal=false StartupWMClass=numbers3 Categories=Utility\; Actions=book\; Name=Numbers3 Name[ja]=ナンバーズ3
exec_line=$(key "$desktop" Exec)
path_line=$(key "$desktop" Path)
for f in numbers_ja.qm html/index.html wav/check.wav; do
    [ -f "$root$path_line/$f" ] || { echo "missing $path_line/$f"; exit 1; }
done

if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.numbers3.Numbers3.metainfo.xml"
fi

# Each metadata file launches an installed launcher that has the metadata's
# Japanese name, and declares the licence of LICENSE, with "or later" as the
# copyright file grants it.
licence="GPL-$(sed -n 's/^ *Version \([0-9]*\),.*/\1/p' "$(dirname "$0")/../../LICENSE").0-or-later"
for meta in "$root"/usr/share/metainfo/*.xml; do
    launcher=$root/usr/share/applications/$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$meta")
    [ -f "$launcher" ] || { echo "$meta launches $launcher, which is not installed"; exit 1; }
    name=$(sed -n 's:.*<name xml\:lang="ja">\(.*\)</name>.*:\1:p' "$meta")
    grep -qx "Name\[ja\]=$name" "$launcher" || { echo "$launcher: no Japanese name \"$name\""; exit 1; }
    grep -q "<project_license>$licence</project_license>" "$meta" || { echo "$meta: licence is not $licence"; exit 1; }
done

# The manual pages render in both languages without a warning from groff,
# and their NAME line is what whatis and apropos read: "name - what it does".
for page in man1 ja/man1; do
    for program in numbers3 numbers3-book; do
        file=$root/usr/share/man/$page/$program.1.gz
        out=$(LANG=C.UTF-8 man --warnings -E UTF-8 -l "$file" 2>"$root/man.err")
        [ ! -s "$root/man.err" ] || { echo "man $page $program:"; cat "$root/man.err"; exit 1; }
        grep -q -E "^(NAME|名前)" <<<"$out" || { echo "man $page $program renders no NAME section"; exit 1; }
        whatis=$(lexgrog "$file" | sed -n 's/^[^:]*: "\(.*\)"$/\1/p')
        [[ "$whatis" =~ ^$program\ -\ [^\ ].{8,} ]] || { echo "man $page $program: NAME line reads '$whatis'"; exit 1; }
    done
done
echo "manual pages render, with NAME lines for whatis"

copyright=$root/usr/share/doc/numbers3/copyright
/usr/bin/python3 -c 'import sys; from debian.copyright import Copyright; Copyright(open(sys.argv[1]), strict=True)' "$copyright"
echo "copyright parses as DEP-5"

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning --tag-display-limit 0 "$deb"
    echo "lintian: no error, no warning"
fi

# Every program and module is built as Debian builds its own: PIE, stack
# protector, fortified libc calls, RELRO and immediate binding, and with
# stack clash and control-flow protection, which Debian 12's checker asks for.
# A sanitizer or Debug build is not hardened (FORTIFY needs optimisation), so
# only the release build's package is checked.
if grep -q '^NUMBERS_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" || grep -q '^CMAKE_BUILD_TYPE:STRING=Debug' "$build/CMakeCache.txt"; then
    echo "hardening: not checked in a sanitizer or Debug build"
else
    for elf in "$root"/usr/bin/* "$root"/usr/lib/numbers3/*.so; do
        hardening-check "$elf"
    done
fi

# Still running after two seconds: it came up and kept rolling; and a click
# on a mode loaded the click module from where the package put it. (In a
# sanitizer build the preloaded helper comes before the ASan runtime.)
(cd "$root$path_line" && QT_QPA_PLATFORM=offscreen LANG=ja_JP.UTF-8 LD_PRELOAD=$click_mode \
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 exec "$root$exec_line" >/dev/null 2>&1) &
pid=$!
sleep 2
kill -0 $pid 2>/dev/null || { echo "the installed program ended early"; exit 1; }
maps=$(cat /proc/$pid/maps)
kill $pid
wait $pid || true
grep -q " $root/usr/lib/numbers3/libnumbers3-click.so$" <<<"$maps" \
    || { echo "a click on a mode did not load /usr/lib/numbers3/libnumbers3-click.so"; exit 1; }
echo "installed program ran from $path_line and loaded its click module"

# The results book: its files, its launcher and the panel's action that
# opens it; the SQLite plugin it loads at run time is a dependency.
grep -q libqt6sql6-sqlite <<<"$depends" || { echo "missing dependency libqt6sql6-sqlite"; exit 1; }
book_desktop=$root/usr/share/applications/io.github.numbers3.Book.desktop
for f in usr/bin/numbers3-book usr/share/metainfo/io.github.numbers3.Book.metainfo.xml \
         usr/share/applications/io.github.numbers3.Book.desktop usr/share/numbers3/numbers3-book_ja.qm \
         usr/share/numbers3/html/book.html usr/share/numbers3/html/book_ja.html \
         usr/share/man/man1/numbers3-book.1.gz usr/share/man/ja/man1/numbers3-book.1.gz; do
    [ -f "$root/$f" ] || { echo "missing /$f"; exit 1; }
done
desktop-file-validate "$book_desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.numbers3.Book.metainfo.xml"
expect_keys "$book_desktop" Type=Application Exec=/usr/bin/numbers3-book Path=/usr/share/numbers3 Icon=numbers3 \
    Terminal=false StartupWMClass=numbers3-book Categories=Utility\; "Name=Numbers3 Results Book" \
    "Name[ja]=ナンバーズ3 当せん番号帳"
sed -n '/^\[Desktop Action book\]/,$p' "$desktop" | grep -qx "Exec=/usr/bin/numbers3-book" \
    || { echo "panel launcher: the book action does not start numbers3-book"; exit 1; }
# The user timer that fetches results with no window: shipped, off until enabled.
units=$root/usr/lib/systemd/user
grep -qx 'ExecStart=/usr/bin/numbers3-book --fetch' "$units/numbers3-book-fetch.service" \
    || { echo "the fetch service does not run numbers3-book --fetch"; exit 1; }
grep -q '^OnCalendar=' "$units/numbers3-book-fetch.timer" || { echo "the fetch timer has no OnCalendar"; exit 1; }
grep -q '^WantedBy=timers.target' "$units/numbers3-book-fetch.timer" || { echo "the fetch timer cannot be enabled"; exit 1; }
for page in man1 ja/man1; do
    LANG=C.UTF-8 man --warnings -E UTF-8 -l "$root/usr/share/man/$page/numbers3-book.1.gz" >/dev/null 2>"$root/man.err"
    [ ! -s "$root/man.err" ] || { echo "man $page numbers3-book:"; cat "$root/man.err"; exit 1; }
done

# The panel maps neither Qt SQL nor Qt Charts: its start-up stays as it was.
if readelf -d "$root/usr/bin/numbers3" | grep NEEDED | grep -E "libQt6(Sql|Charts)"; then
    echo "the panel links what only the book needs"; exit 1
fi

# The installed book imports from the command line (a book starts with the
# bundled past results, so their last row is already known) and its window
# comes up from the launcher's folder.
results=$(dirname "$0")/../../data/numbers3-results.csv
{ head -1 "$results"; tail -1 "$results"; } >"$root/last.csv"
out=$(cd "$root" && QT_QPA_PLATFORM=offscreen "$root/usr/bin/numbers3-book" --database "$root/book.sqlite" --import "$root/last.csv")
echo "numbers3-book --import: $out"
grep -q "0 new, 1 already known" <<<"$out" || { echo "the installed book did not import"; exit 1; }
set +e
(cd "$root$(key "$book_desktop" Path)" && QT_QPA_PLATFORM=offscreen LANG=ja_JP.UTF-8 timeout 2 "$root$(key "$book_desktop" Exec)" --database "$root/book.sqlite" >/dev/null 2>&1)
status=$?
set -e
[ $status -eq 124 ] || { echo "the installed book ended early with status $status"; exit 1; }
echo "installed book imported and ran"
