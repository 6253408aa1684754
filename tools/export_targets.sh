#!/usr/bin/env bash
# Points every export of the command line at things that are not regular
# files, and at links to them, and counts those replaced: a device, a named
# pipe with and without a reader, a folder, a socket, standard output, links
# to each and a link to nothing. The type and inode of each are taken before
# and after; a link must stay a link and its target what it was.
#   tools/export_targets.sh [BUILD_DIR]
# Prints one line per export and "N special files replaced"; exits 1 if N > 0.
# Devices are only written, never replaced, so /dev/null and /dev/full are
# safe to point at even as root.
set -uo pipefail
cd "$(dirname "$0")/.."
exe=$(pwd)/${1:-build}/run/numbers3-book
[ -x "$exe" ] || { echo "no $exe: build first"; exit 2; }
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
book=$work/book.sqlite
printf '7064,251,straight,2\n7065,123,box,1\n' >"$work/list.csv"
"$exe" --database "$book" --import-tickets "$work/list.csv" >/dev/null || { echo "cannot set up the book"; exit 2; }

mkfifo "$work/fifo-unread" "$work/fifo-read" "$work/fifo-behind-link"
mkdir "$work/folder"
python3 -c "import socket,sys; s=socket.socket(socket.AF_UNIX); s.bind(sys.argv[1])" "$work/socket"
ln -s /dev/null "$work/link-null"
ln -s /dev/full "$work/link-full"
ln -s "$work/fifo-behind-link" "$work/link-fifo"
ln -s "$work/folder" "$work/link-folder"
ln -s "$work/nothing" "$work/link-nothing"

id() { stat -c '%F %i %t:%T' "$1" 2>/dev/null || echo gone; }
replaced=0
checked=0
export_to() {  # target, then the paths whose identity must hold
    local target=$1; shift
    local before=() p
    for p in "$@"; do before+=("$(id "$p")"); done
    local said
    said=$(timeout 20 "$exe" --database "$book" --export-tickets "$target" 2>&1 >/dev/null | tail -1; \
           timeout 20 "$exe" --database "$book" --export-tickets "$target" 2>/dev/null | tail -1)
    local i=0 state=kept
    for p in "$@"; do
        checked=$((checked + 1))
        if [ "$(id "$p")" != "${before[$i]}" ]; then
            state="REPLACED ($p)"
            replaced=$((replaced + 1))
        fi
        i=$((i + 1))
    done
    printf '%-34s %-18s %s\n' "$(basename "$target")" "$state" "$(echo "$said" | tr '\n' ' ' | sed "s|$work/||g")"
}

# Readers for the pipes that have one, each taking both exports.
(cat "$work/fifo-read" >/dev/null; cat "$work/fifo-read" >/dev/null) &
(cat "$work/fifo-behind-link" >/dev/null; cat "$work/fifo-behind-link" >/dev/null) &
sleep 0.2

export_to /dev/null /dev/null
export_to /dev/full /dev/full
export_to /dev/zero /dev/zero
export_to /dev/stdout /dev/stdout
export_to - "$work"
export_to "$work/fifo-unread" "$work/fifo-unread"
export_to "$work/fifo-read" "$work/fifo-read"
export_to "$work/folder" "$work/folder"
export_to "$work/socket" "$work/socket"
export_to "$work/link-null" "$work/link-null" /dev/null
export_to "$work/link-full" "$work/link-full" /dev/full
export_to "$work/link-fifo" "$work/link-fifo" "$work/fifo-behind-link"
export_to "$work/link-folder" "$work/link-folder" "$work/folder"
export_to "$work/link-nothing" "$work/link-nothing"
echo "$checked special files checked; $replaced special files replaced"
[ "$replaced" = 0 ]
