#!/usr/bin/env bash
# Builds Pelmora.exe and starts it under Wine, in a Wine prefix of its own
# (build/wine-user). With a display ($DISPLAY) the program opens there and
# this script returns when it is closed. Without one it runs on a private X
# display inside Wine's virtual desktop, writes a picture of that screen to
# out/pelmora-screen.png, then ends the program and the display.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"

bash "$root/scripts/build.sh"
exe="$root/build/win/Pelmora.exe"
prefix="$root/build/wine-user"

wine_env_lock_prefix "$prefix"
wine_env_install_trap

if [ -n "${DISPLAY:-}" ]; then
    wine_env_prepare_prefix "$prefix"
    echo "Starting Pelmora on display $DISPLAY; close its window to end."
    WINE_ENV_PREFIX_ACTIVE=$prefix
    # In the background, so that a signal reaches the trap at once.
    wine "$exe" &
    wait $! || echo "Pelmora ended with exit code $?."
    exit 0
fi

shot_seconds=${PELMORA_HEADLESS_SECONDS:-3}
echo "No display is set: running Pelmora on a private Xvfb inside Wine's virtual desktop."
wine_env_start_on_desktop "$exe" "$prefix" || exit 1
sleep "$shot_seconds"
mkdir -p "$root/out"
import -window root "$root/out/pelmora-screen.png"
echo "Pelmora is running; a picture of its screen is in out/pelmora-screen.png."
echo "Ending Pelmora and the private display now (nobody can use a screen without a display)."
