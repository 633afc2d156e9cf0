#!/usr/bin/env bash
# Builds Pelmora.exe, runs it inside Wine's virtual desktop on a private X
# display and writes docs/main-window.png: the main window as Wine draws it,
# frame included, cropped from the desktop around it.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"

bash "$root/scripts/build.sh"
exe="$root/build/win/Pelmora.exe"
prefix="$root/build/wine-user"
out="$root/docs/main-window.png"
# Wine's virtual desktop is painted in this colour where no window is.
desktop='rgb(37,111,149)'

wine_env_lock_prefix "$prefix"
wine_env_install_trap
wine_env_start_on_desktop "$exe" "$prefix" || exit 1
# The window is mapped before it has painted: wait until two pictures of the
# screen agree.
shot=$(mktemp --suffix=.png)
previous=$(mktemp --suffix=.png)
trap 'rm -f "$shot" "$previous"; wine_env_cleanup' EXIT
settled=0
for _ in $(seq 1 50); do
    import -window root "$shot"
    if [ -s "$previous" ] && [ "$(compare -metric AE "$shot" "$previous" null: 2>&1 || true)" = 0 ]; then
        settled=1
        break
    fi
    cp "$shot" "$previous"
    sleep 0.2
done
[ $settled = 1 ] || echo "The screen kept changing; using the last picture." >&2

mkdir -p "$root/docs"
# Only the main window is shown, so trimming the plain desktop around it
# leaves exactly the window.
convert "$shot" -bordercolor "$desktop" -border 1 -fuzz 0 -trim +repage "$out.tmp.png"
mv "$out.tmp.png" "$out"
echo "Wrote docs/main-window.png ($(identify -format '%wx%h' "$out"))."
