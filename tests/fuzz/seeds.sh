#!/bin/bash
# Writes seed inputs for the fuzz targets into DIR: a small packed skin, its options file and pictures.
set -euo pipefail
build=$1
out=$2
mkdir -p "$out/seeds-container" "$out/seeds-options" "$out/seeds-pictures" "$out/skin"
skin=$(ls "$build"/korvanel.skin build/dev/korvanel.skin 2>/dev/null | head -1 || true)
if [ -z "$skin" ]; then
    printf '[GLOBALINFO]\r\nMASTERBITMAP=M.BMP\r\n\r\n[A]\r\nBORDERSMASK=^0^0^2^2^0^0^0^0^1^0^1^1\r\n' >"$out/skin/Options.dat"
    printf 'BM' >"$out/skin/M.bmp"
    "$build/tools/skintool/skintool" pack "$out/skin" "$out/seeds-container/tiny.skin"
else
    cp "$skin" "$out/seeds-container/"
    "$build/tools/skintool/skintool" unpack "$skin" "$out/skin"
fi
cp "$out/skin/Options.dat" "$out/seeds-options/"
for f in "$out"/skin/*; do
    case "$f" in *.dat|*/ORDER) ;; *) head -c 65536 "$f" >"$out/seeds-pictures/$(basename "$f")" ;; esac
done
