#!/bin/sh
# to_sjis.sh IN OUT: the manual's UTF-8 lines as Shift-JIS (code page 932) with CR LF line
# ends. A character that code page 932 lacks makes iconv, and so the build, fail.
set -e
sed 's/$/\r/' "$1" | iconv -f UTF-8 -t CP932 > "$2.tmp"
mv "$2.tmp" "$2"
