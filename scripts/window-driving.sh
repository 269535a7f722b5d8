# Sourced by the scripts that drive the real brindlework.exe under Wine as a user would: windows found by their
# names, programs started in the background, and the pointer moved as a hand moves it. Needs $work, the folder
# where the last screen is kept when the script ends.

# The id of the first window whose name matches, waiting up to ten seconds; nothing when there is none.
find_window() {
    local tries=0 id=
    while [ -z "$id" ] && [ $tries -lt 100 ]; do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] || { sleep 0.1; tries=$((tries + 1)); }
    done
    echo "$id"
}

# Waits up to ten seconds until no window's name matches; true when none does.
gone() {
    local tries=0
    while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && [ $tries -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}

# Starts a program in the background; its exit code lands in the file given.
started=()
start() {
    local status=$1
    shift
    ("$@" >"$status.log" 2>&1; echo $? >"$status") >/dev/null 2>&1 &
    started+=($!)
}
stop_all() {
    # What the screen showed at the end tells why a check failed.
    import -window root "$work/last-screen.png" 2>/dev/null || true
    wine_stop
    [ ${#started[@]} -eq 0 ] || kill "${started[@]}" 2>/dev/null || true
}
trap stop_all EXIT

# Waits up to ten seconds for a program started by start to end; true when it ended.
ended() {
    local tries=0
    while [ ! -s "$1" ] && [ $tries -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    [ -s "$1" ]
}

# Points at (x, y) of the window, arriving from the neighbouring pixel as a moving pointer does.
point() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + $2 - 1)) $((Y + $3 - 1))
    sleep 0.2
    xdotool mousemove $((X + $2)) $((Y + $3))
    sleep 0.3
}

shoot() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}
