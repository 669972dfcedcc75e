#!/usr/bin/env bash
# wine_test.sh PREFIX PROGRAM [ARG...]: runs a cross-built test program under Wine on a
# virtual display of its own, with the private prefix at PREFIX; its exit status is the
# program's.
set -u
WINE_PREFIX_DIR=$1
shift
. "$(dirname "$0")/wine_session.sh"
start_xvfb
start_wine
wine "$@"
status=$?
stop_wine
exit $status
