# Sourced by the Windows scripts: Wine in a private prefix, on a private virtual display, both gone afterwards.
# Needs the "windows" group of scripts/install-deps.sh.

wine=$(command -v wine64 || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || true)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# The system's code page is then Windows-1252 on every machine.
export LC_ALL=C.UTF-8

# The Unix locales whose code pages Wine gives its programs: each name, then the code page it gives.
wine_code_pages=(ja_JP.UTF-8:932 zh_CN.UTF-8:936 zh_TW.UTF-8:950 ko_KR.UTF-8:949 ru_RU.UTF-8:1251)

# Makes the locales of wine_code_pages where the system lacks them (the locales package's definitions).
wine_make_locales() {
    local entry name
    for entry in "${wine_code_pages[@]}"; do
        name=${entry%%:*}
        locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}" ||
            localedef -i "${name%%.*}" -f UTF-8 "$name" >/dev/null 2>&1 ||
            wine_fail "could not make the locale $name with localedef"
    done
}

wine_fail() {
    echo "$(basename "$0"): FAILED: $*" >&2
    exit 1
}

# Starts Wine in the prefix folder (made when missing), so that a crash ends a program with its exit code
# instead of opening Wine's debugger, and windows are drawn without waiting for a window manager that a
# virtual display does not have. Extra "name=value" arguments become the prefix's own environment: Wine
# passes no QT_ variable from the Linux environment to a Windows program.
wine_start() {
    local prefix=$1
    shift
    [ -x "$wine" ] || wine_fail "Wine (wine64) is missing"
    export WINEPREFIX=$prefix
    mkdir -p "$WINEPREFIX"
    # wineboot's own status is not used: a 64-bit-only Wine reports its missing 32-bit half and still works.
    timeout 300 "$wine" wineboot --init >"$WINEPREFIX.log" 2>&1 || true
    timeout 120 "$wine" cmd /c echo wine-started 2>>"$WINEPREFIX.log" | grep -q wine-started ||
        { cat "$WINEPREFIX.log" >&2; wine_fail "Wine cannot run cmd.exe in $WINEPREFIX"; }
    "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    local setting
    for setting in "$@"; do
        "$wine" reg add 'HKCU\Environment' /v "${setting%%=*}" /t REG_SZ /d "${setting#*=}" /f >/dev/null 2>&1
    done
}

# Ends every program of the prefix, and waits until its server is gone: a program started while the server is
# still going away loses its connection to it.
wine_stop() {
    [ -z "${WINEPREFIX:-}" ] || [ -z "$wineserver" ] || "$wineserver" -k >/dev/null 2>&1 || true
    [ -z "${WINEPREFIX:-}" ] || [ -z "$wineserver" ] || "$wineserver" -w >/dev/null 2>&1 || true
}

# Keeps the prefix's server running between programs until wine_stop: a server that ends a few seconds after its
# last program drops a program that starts just then.
wine_keep_server() {
    "$wineserver" -p >/dev/null 2>&1 || true
}

# The Windows name of an absolute Linux path: Wine's drive Z: is the Linux root.
wine_path() {
    local path=$1
    printf 'Z:%s' "${path//\//\\}"
}

# A private X display of 1024 x 768, ended with the script.
display_pid=
display_start() {
    local numberfile
    numberfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
    display_pid=$!
    local waited=0
    while [ ! -s "$numberfile" ] && [ $waited -lt 100 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    [ -s "$numberfile" ] || wine_fail "the virtual display Xvfb did not start"
    export DISPLAY=":$(cat "$numberfile")"
    rm -f "$numberfile"
}

display_stop() {
    [ -z "$display_pid" ] || kill "$display_pid" 2>/dev/null || true
    display_pid=
}
