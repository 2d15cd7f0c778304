#!/usr/bin/env bash
# The .deb as a player gets it: made by CPack from this build, installed with apt, started
# by name from the PATH on a private X server, closed by the close box, and removed. It
# needs root, and leaves the machine without the package whatever happens.
set -euo pipefail
build=$1
wm_close=$2
deadline_s=60

if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: installing a package needs root"
    exit 77
fi
# Any state but absent, also a half-installed one, counts: cleaning up must remove it.
installed() {
    local state
    state=$(dpkg-query -W -f='${db:Status-Status}' zanfira 2>/dev/null) || return 1
    [ "$state" != not-installed ] && [ "$state" != config-files ]
}
if installed; then
    echo "skipped: a zanfira package is installed already, and it is not ours to remove"
    exit 77
fi

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    if installed; then
        apt-get remove -y -q -o DPkg::Lock::Timeout=120 zanfira >/dev/null || dpkg -r zanfira
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# poll DESCRIPTION COMMAND...: runs COMMAND until it succeeds, for at most the deadline.
poll() {
    local description=$1 end=$((SECONDS + deadline_s))
    shift
    until "$@"; do
        if [ $SECONDS -ge $end ]; then
            echo "timed out waiting for $description"
            return 1
        fi
        sleep 0.1
    done
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$(echo "$work"/package/zanfira_*.deb)
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    -o DPkg::Lock::Timeout=120 "$deb" >/dev/null
[ "$(dpkg-query -W -f='${db:Status-Status}' zanfira)" = installed ] ||
    { echo "apt-get did not install the package"; exit 1; }
[ "$(PATH=/usr/local/bin:/usr/bin:/bin command -v zanfira)" = /usr/bin/zanfira ]

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
poll "Xvfb to choose a display" test -s "$work/display"
export DISPLAY=:$(cat "$work/display")

mkdir -m 700 "$work/runtime"
PATH=/usr/local/bin:/usr/bin:/bin XDG_RUNTIME_DIR=$work/runtime zanfira &
game_pid=$!
window_of_game() {
    window=$(xdotool search --onlyvisible --pid "$game_pid" --name '^Zanfira$' 2>/dev/null |
        head -1)
    [ -n "$window" ]
}
poll "the window of the installed game" window_of_game
# The launcher entry finds its window by this class.
xprop -id "$window" WM_CLASS | grep -q '"zanfira"' || { echo "WM_CLASS is not zanfira"; exit 1; }

"$wm_close" "$window"
# Ended, though not yet reaped: a zombie, or gone.
game_ended() { [ "$(awk '{ print $3 }' "/proc/$game_pid/stat" 2>/dev/null || echo Z)" = Z ]; }
poll "the game to end after its close box" game_ended
status=0
wait "$game_pid" || status=$?
game_pid=
[ $status -eq 0 ] || { echo "the game ended with status $status"; exit 1; }

apt-get remove -y -q -o DPkg::Lock::Timeout=120 zanfira >/dev/null
if installed || [ -e /usr/bin/zanfira ]; then
    echo "the package is still there after apt-get remove"
    exit 1
fi
echo "installed, started from the PATH, closed and removed"
