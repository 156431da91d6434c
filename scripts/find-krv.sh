#!/usr/bin/env bash
# Prints the folder of the per-book Korean JSON text, or nothing when none is found.
# QRV_KRV_DIR wins; otherwise the shared data beside the repository.
top=$(cd "$(dirname "$0")/.." && pwd)
for d in "${QRV_KRV_DIR:-}" "$top/../shared/data/krv" "/work/shared/data/krv"; do
    if [ -n "$d" ] && [ -f "$d/Genesis.json" ]; then
        (cd "$d" && pwd)
        exit 0
    fi
done
