# Helpers for driving the real program in the test X session.

# Prints the id of the first visible window whose title is exactly $1.
wait_for_window() {
    local title=$1 id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window titled '$title' appeared; windows:" >&2
    xwininfo -root -tree 2>&1 | grep -v "has no name" | head -20 >&2
    return 1
}

# Clicks at a point given in window coordinates.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

# Sets WIDTH and HEIGHT to the window's size.
window_size() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

# A scratch directory, removed at exit, that receives the program's exit
# status and a copy of its data file.
use_work_dir() {
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export STATUS_FILE=$work/status DATA_COPY=$work/data
}

fail() {
    echo "FAIL: $*"
    exit 1
}

# Runs the program with a private, empty /home/user; its exit status is
# written to $status_file and the data file copied to $data_copy. Sets
# PROGRAM_PID. Exits 77 where no mount namespace can be made.
start_program_with_private_home() {
    local program=$1
    shift
    if ! unshare --mount --propagation private true 2>/dev/null; then
        echo "SKIP: cannot create a private mount namespace for /home/user (run as root)"
        exit 77
    fi
    unshare --mount --propagation private sh -c '
        mount -t tmpfs -o mode=0755 varizez-e2e /home && mkdir /home/user || exit 90
        "$@"
        echo $? >"$STATUS_FILE"
        cp /home/user/varizezCount.bin "$DATA_COPY" 2>/dev/null
        exit 0' sh "$program" "$@" &
    PROGRAM_PID=$!
}

# Waits up to 20 seconds for the program started above to end.
wait_for_program() {
    for _ in $(seq 200); do
        kill -0 "$PROGRAM_PID" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$PROGRAM_PID" 2>/dev/null; then
        pkill -P "$PROGRAM_PID" 2>/dev/null
        kill "$PROGRAM_PID" 2>/dev/null
        fail "the program did not end"
    fi
    wait "$PROGRAM_PID"
}
