#!/usr/bin/env bash
# JPEG encode speed: the product's encoder (cross-built libjpeg-turbo with
# SIMD, under Wine) against the distribution's native cjpeg with the same
# settings, on the same synthetic screenshot-like pixels, 1920x1080 and
# 3840x2160. Prints both medians, their ratio and whether the bytes agree.
#
#   scripts/bench-jpeg.sh [runs]      (default 15)
#
# The product's figure is the encode call alone, timed inside the exe; the
# cjpeg figure is a whole cjpeg run (process start and reading the PPM
# included), as a user of the tool would see it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-15}
build=$root/build/win
exe=$build/bench/jpeg_encode_bench.exe

# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
bash "$root/scripts/build.sh" --tests >/dev/null

work=$(mktemp -d)
wine_env_install_trap
trap 'rm -rf "$work"; wine_env_cleanup' EXIT
# Wine wants a display even for a console exe that opens no window.
WINE_ENV_SCREEN=640x480
wine_env_start_xvfb
wine_env_prepare_prefix "$root/build/wine-bench"
wine_env_start_wineserver

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

echo "product encoder under Wine, $runs runs each:"
wine "$exe" "$runs" "Z:$work" | tr -d '\r' | tee "$work/product.txt"

printf '\n%-10s %14s %14s %8s %s\n' size product_ms cjpeg_ms ratio "same bytes"
while read -r size _ median_field _; do
    product_ms=${median_field#median_ms=}
    ppm=$work/bench_$size.ppm
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        cjpeg -quality 90 -dct float -baseline "$ppm" > "$work/cjpeg.jpg"
        end=$(date +%s%N)
        awk -v ns=$((end - start)) 'BEGIN {printf "%.2f\n", ns / 1e6}'
    done > "$work/cjpeg_times.txt"
    cjpeg_ms=$(median < "$work/cjpeg_times.txt")
    ratio=$(awk -v p="$product_ms" -v c="$cjpeg_ms" 'BEGIN {printf "%.2f", p / c}')
    same=no
    cmp -s "$work/cjpeg.jpg" "$work/bench_$size.jpg" && same=yes
    printf '%-10s %14s %14s %8s %s\n' "$size" "$product_ms" "$cjpeg_ms" "$ratio" "$same"
done < "$work/product.txt"
echo "(ratio = product / cjpeg; below 1 means the product is faster)"
