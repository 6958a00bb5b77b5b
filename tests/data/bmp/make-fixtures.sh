#!/bin/sh
# Rebuilds the bitmap fixtures of this folder from the PPM sources with
# ImageMagick 6. The PPMs hold the expected pixels of every fixture.
set -e
cd "$(dirname "$0")"
C=/usr/bin/convert
$C two.ppm -type Palette BMP3:bmp3-1bit.bmp
$C two.ppm -type Palette BMP:bmp5-1bit.bmp
$C two.ppm -type Palette BMP2:os2-1bit.bmp
$C pal16.ppm -type Palette BMP3:bmp3-4bit.bmp
$C pal16.ppm -type Palette BMP:bmp5-4bit.bmp
$C many.ppm -type Palette -compress None BMP3:bmp3-8bit.bmp
$C many.ppm -type Palette -compress None BMP:bmp5-8bit.bmp
$C many.ppm -type Palette BMP2:os2-8bit.bmp
$C many.ppm -type Palette -compress RLE BMP3:bmp3-rle8.bmp
$C many.ppm -type Palette -compress RLE BMP:bmp5-rle8.bmp
$C prim.ppm -define bmp:subtype=RGB565 BMP:bmp5-565.bmp
$C prim.ppm -define bmp:subtype=RGB555 BMP:bmp5-555.bmp
$C many.ppm -type TrueColor BMP3:bmp3-24.bmp
$C many.ppm -type TrueColor BMP:bmp5-24.bmp
$C many.ppm -type TrueColor BMP2:os2-24.bmp
$C many.ppm -alpha set -channel A -evaluate set 100% +channel -type TrueColorAlpha BMP:bmp5-32argb.bmp
