# Sourced by the test and demo scripts: a private X display and a private Wine prefix that
# live for one run and are stopped by PID (and wineserver -k for this prefix only) on any exit.

wine_session_start() {  # $1: the build directory, which holds the prefix
    WINE_SESSION_XVFB_PID=""
    export WINEPREFIX="$1/wineprefix"
    export WINEDEBUG="${WINEDEBUG:--all}"
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    trap wine_session_stop EXIT

    local n
    for n in $(seq 90 190); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
        WINE_SESSION_XVFB_PID=$!
        local i
        for i in $(seq 50); do
            [[ -e /tmp/.X11-unix/X$n ]] && break
            kill -0 "$WINE_SESSION_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        if [[ -e /tmp/.X11-unix/X$n ]] && kill -0 "$WINE_SESSION_XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            break
        fi
        kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
        WINE_SESSION_XVFB_PID=""
    done
    [[ -n "$WINE_SESSION_XVFB_PID" ]] || { echo "wine-session: no free X display" >&2; return 1; }

    mkdir -p "$WINEPREFIX"
    # Booting the prefix once keeps Wine's background services from inheriting the output pipe
    # of the first test (which would make ctest wait for them).
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    fi
    /usr/lib/wine/wineserver -p >/dev/null 2>&1 &
    # Wine's background services start with the first program of a server; starting them here,
    # with output to /dev/null, keeps them off the output pipes of the tests.
    /usr/lib/wine/wine64 wineboot >/dev/null 2>&1 || true
    # The desktop process, too, must not inherit a test's output (see DesktopKeeper.cpp).
    local keeper="$1/tests/support/kz_desktop_keeper.exe" ready="$WINEPREFIX/desktop-ready"
    if [[ -f "$keeper" ]]; then
        rm -f "$ready"
        /usr/lib/wine/wine64 "$keeper" "$(/usr/lib/wine/wine64 winepath -w "$ready" 2>/dev/null)" \
            </dev/null >/dev/null 2>&1 &
        for i in $(seq 100); do
            [[ -f "$ready" ]] && break
            sleep 0.1
        done
    fi
}

wine_session_stop() {
    [[ -n "${WINEPREFIX:-}" ]] && /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    if [[ -n "${WINE_SESSION_XVFB_PID:-}" ]]; then
        kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
        wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
        WINE_SESSION_XVFB_PID=""
    fi
}
