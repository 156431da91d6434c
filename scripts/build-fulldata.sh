#!/usr/bin/env bash
# Builds the full-data folder for the tests: build-fulldata.sh QRV_DATA_EXECUTABLE FOLDER
# Runs qrv-data only when a Bible file is missing or older than qrv-data. Without the Korean
# JSON text the English part is still built and the Korean full-data tests skip.
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 QRV_DATA_EXECUTABLE FOLDER" >&2
    exit 2
fi
exe=$1
out=$2
top=$(cd "$(dirname "$0")/.." && pwd)

krv=$("$top/scripts/find-krv.sh" || true)
files=(ebible.dat ebible.inx)
[ -n "$krv" ] && files+=(kbible.dat kbible.inx)

stale=0
for f in "${files[@]}"; do
    if [ ! -f "$out/$f" ] || [ "$out/$f" -ot "$exe" ]; then
        stale=1
    fi
done

if [ "$stale" -eq 1 ]; then
    mkdir -p "$out"
    args=(--out "$out")
    [ -n "$krv" ] && args+=(--krv "$krv")
    "$exe" "${args[@]}"
else
    echo "Full-data folder $out is up to date."
fi
if [ -z "$krv" ]; then
    echo "Korean JSON text not found (scripts/find-krv.sh): the Korean full-data tests will skip."
fi
