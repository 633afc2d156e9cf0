# Sourced by test.sh, start.sh and screenshot.sh: a private X display, a
# private 32-bit Wine prefix and a warm wineserver, each started by us, known
# by its PID and stopped again by the trap that wine_env_install_trap sets.
#
#   wine_env_install_trap        stop everything below on EXIT, INT and TERM
#   wine_env_start_xvfb          private Xvfb, exports DISPLAY
#   wine_env_prepare_prefix DIR [desktop]
#                                exports WINEPREFIX etc.; boots and configures
#                                DIR once (with "desktop": Wine's default
#                                virtual desktop, as the tests need it)
#   wine_env_start_wineserver    persistent wineserver plus one warm-up run
#   wine_env_start_sized_desktop SIZE DIR
#                                Xvfb and Wine's virtual desktop of SIZE (WxH)
#   wine_env_lock_prefix DIR     one user of DIR at a time, or exit
#   wine_env_start_on_desktop EXE DIR
#                                EXE inside Wine's virtual desktop on a private
#                                Xvfb, waiting for its main window
#   wine_env_cleanup             what the trap runs

# Raise this whenever the prefix configuration below changes: prefixes made by
# an older version are then made again.
WINE_ENV_SETUP_VERSION=2
WINE_ENV_SCREEN=1280x1024
WINE_ENV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

WINE_ENV_XVFB_PID=
WINE_ENV_WINESERVER_PID=
WINE_ENV_PREFIX_ACTIVE=

wine_env_log() { echo "[wine-env] $*" >&2; }

# Polls "$@" every 0.1 s until it succeeds or SECONDS_ seconds have passed.
wine_env_wait_for() {
    local seconds=$1; shift
    local tries=$((seconds * 10))
    while ! "$@"; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || return 1
        sleep 0.1
    done
}

wine_env_pid_alive() { [ -n "$1" ] && kill -0 "$1" 2>/dev/null; }

wine_env_display_free() {
    [ ! -e "/tmp/.X11-unix/X$1" ] && [ ! -e "/tmp/.X$1-lock" ]
}

wine_env_xvfb_ready() {
    wine_env_pid_alive "$WINE_ENV_XVFB_PID" && [ -S "/tmp/.X11-unix/X$1" ]
}

wine_env_start_xvfb() {
    local n
    for n in $(seq 90 190); do
        wine_env_display_free "$n" || continue
        Xvfb ":$n" -screen 0 "${WINE_ENV_SCREEN}x24" -nolisten tcp >/dev/null 2>&1 &
        WINE_ENV_XVFB_PID=$!
        if wine_env_wait_for 10 wine_env_xvfb_ready "$n"; then
            export DISPLAY=":$n"
            wine_env_log "Xvfb on display $DISPLAY (pid $WINE_ENV_XVFB_PID)"
            return 0
        fi
        # Another server took the number between our check and its start.
        wine_env_stop_xvfb
    done
    wine_env_log "no free X display number between :90 and :190"
    return 1
}

wine_env_stop_pid() {
    local pid=$1
    wine_env_pid_alive "$pid" || return 0
    kill "$pid" 2>/dev/null
    wine_env_wait_for 5 eval "! kill -0 $pid 2>/dev/null" || kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
}

wine_env_stop_xvfb() {
    wine_env_stop_pid "$WINE_ENV_XVFB_PID"
    WINE_ENV_XVFB_PID=
}

wine_env_export() {
    export WINEPREFIX=$1 WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

wine_env_reg() {
    timeout 60 wine reg add "$1" /v "$2" ${4:+/t "$4"} /d "$3" /f >/dev/null
}

# The first serif TrueType file we find, or nothing.
wine_env_serif_font() {
    local f
    for f in /usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf \
             /usr/share/fonts/truetype/*/DejaVuSerif.ttf; do
        [ -f "$f" ] && { echo "$f"; return; }
    done
}

wine_env_configure_prefix() {
    local dir=$1 mode=$2 fonts="$1/drive_c/windows/Fonts"
    wine_env_log "creating Wine prefix ${dir#"$WINE_ENV_ROOT"/} (takes about 20 s)"
    timeout 180 wineboot -i >/dev/null 2>&1 || { wine_env_log "wineboot failed"; return 1; }
    timeout 60 wineserver -w

    if [ "$mode" = desktop ]; then
        # Wine's own desktop draws frames, hides windows at once and keeps the
        # X server's other windows out of screen copies.
        wine_env_reg 'HKCU\Software\Wine\Explorer' Desktop Default
        wine_env_reg 'HKCU\Software\Wine\Explorer\Desktops' Default "$WINE_ENV_SCREEN"
    fi
    # A crash must end the process, not open a dialog that waits for a person.
    wine_env_reg 'HKCU\Software\Wine\WineDbg' ShowCrashDialog 0 REG_DWORD

    mkdir -p "$fonts"
    if [ -d /usr/share/wine/fonts ]; then
        cp -f /usr/share/wine/fonts/* "$fonts/"
    else
        wine_env_log "fonts-wine is missing: the windows fall back to other fonts"
    fi
    local subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    # The TrueType face is the successor of the bitmap "MS Sans Serif", drawn to
    # the same metrics; Wine's Tahoma would also do, but draws no bold at
    # small sizes.
    wine_env_reg "$subst" "Microsoft Sans Serif" "MS Sans Serif"
    local serif; serif=$(wine_env_serif_font)
    if [ -n "$serif" ]; then
        cp -f "$(dirname "$serif")"/DejaVuSerif*.ttf "$fonts/"
        wine_env_reg "$subst" "MS Serif" "DejaVu Serif"
    else
        wine_env_log "no DejaVu Serif font found: \"MS Serif\" is left unmapped"
    fi

    # Font substitutes and the desktop setting take effect on the next start.
    timeout 60 wineserver -k || true
    timeout 60 wineserver -w || true
}

wine_env_prepare_prefix() {
    local dir=$1 mode=${2:-plain}
    local stamp="$dir/.pelmora-setup"
    local want="version=$WINE_ENV_SETUP_VERSION mode=$mode"
    wine_env_export "$dir"
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
        return 0
    fi
    case "$dir" in
        "$WINE_ENV_ROOT"/build/*) ;;
        *) wine_env_log "refusing to set up a prefix outside build/: $dir"; return 1 ;;
    esac
    # A half-made or outdated prefix is made again from nothing.
    rm -rf "$dir"
    mkdir -p "$dir"
    WINE_ENV_PREFIX_ACTIVE=$dir
    wine_env_configure_prefix "$dir" "$mode" || return 1
    echo "$want" > "$stamp"
}

wine_env_start_wineserver() {
    # -f keeps it in the foreground, so the PID we hold is the server's own.
    wineserver -f -p >/dev/null 2>&1 &
    WINE_ENV_WINESERVER_PID=$!
    WINE_ENV_PREFIX_ACTIVE=$WINEPREFIX
    if ! timeout 120 wine cmd /c exit >/dev/null 2>&1; then
        wine_env_log "the warm-up run of wine did not finish"
        return 1
    fi
}

wine_env_stop_wineserver() {
    if [ -n "$WINE_ENV_PREFIX_ACTIVE" ]; then
        WINEPREFIX=$WINE_ENV_PREFIX_ACTIVE timeout 30 wineserver -k >/dev/null 2>&1 || true
    fi
    wine_env_stop_pid "$WINE_ENV_WINESERVER_PID"
    WINE_ENV_WINESERVER_PID=
    WINE_ENV_PREFIX_ACTIVE=
}

wine_env_cleanup() {
    wine_env_stop_wineserver
    wine_env_stop_xvfb
}

wine_env_install_trap() {
    trap 'wine_env_cleanup' EXIT
    trap 'wine_env_cleanup; trap - INT; kill -INT $$' INT
    trap 'wine_env_cleanup; trap - TERM; kill -TERM $$' TERM
}

# Whether an X window whose name matches the pattern is mapped (Wine gives
# each top-level window an X window named after its caption, also inside its
# virtual desktop).
wine_env_window_shown() {
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}

# Bench runs: a private X screen of exactly SIZE (WxH) and the prefix's virtual
# desktop set to the same size, which the wineserver reads when it starts.
wine_env_start_sized_desktop() {
    local size=$1 dir=$2
    WINE_ENV_SCREEN=$size
    wine_env_start_xvfb || return 1
    wine_env_prepare_prefix "$dir" desktop || return 1
    wine_env_reg 'HKCU\Software\Wine\Explorer\Desktops' Default "$size"
    timeout 60 wineserver -k || true
    timeout 60 wineserver -w || true
    wine_env_start_wineserver
}

# One program at a time in a prefix that a person uses: ending the program
# ends every process of the prefix. The lock lives as long as this shell.
wine_env_lock_prefix() {
    local dir=$1
    mkdir -p "$(dirname "$dir")"
    exec 9>"$dir.lock"
    if ! flock -n 9; then
        echo "Pelmora is already running in ${dir#"$WINE_ENV_ROOT"/}; close it first." >&2
        exit 1
    fi
}

# Starts EXE inside Wine's virtual desktop on a private X display and waits
# (30 s at most) until its main window is on the screen.
wine_env_start_on_desktop() {
    local exe=$1 dir=$2
    wine_env_start_xvfb || return 1
    wine_env_prepare_prefix "$dir" || return 1
    wine_env_start_wineserver || return 1
    wine explorer /desktop=Pelmora,"$WINE_ENV_SCREEN" "$exe" >/dev/null 2>&1 &
    if ! wine_env_wait_for 30 wine_env_window_shown '^Pelmora$'; then
        echo "The main window did not appear within 30 s." >&2
        return 1
    fi
}
