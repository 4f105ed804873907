# shellcheck shell=bash
# Sourced by the scripts that open windows without a screen: a virtual X
# display (Xvfb) on a free display number, started and waited for.
#
#   start_virtual_display GEOMETRY    e.g. 1280x1024x24
#   stop_virtual_display
#
# start_virtual_display exports DISPLAY once the display accepts connections;
# it returns non-zero with a message when no display could be started (Xvfb
# missing, every number tried taken, or no answer within 30 s). Display
# numbers are tried from VX_DISPLAY_FROM (default 90) upwards: one that
# another X server holds is passed over, even if it takes the number between
# the check and the start.

virtual_display_pid=

start_virtual_display() {
    local geometry=${1:?usage: start_virtual_display GEOMETRY} first=${VX_DISPLAY_FROM:-90}
    local n ready errors pid tries
    command -v Xvfb >/dev/null || { echo "Xvfb is missing (package xvfb)" >&2; return 1; }
    ready=$(mktemp)
    errors=$(mktemp)
    for ((n = first; n < first + 100; n++)); do
        if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then continue; fi
        # With -displayfd, Xvfb writes its display number to that descriptor
        # once it accepts connections; it ends at once if the number is taken.
        Xvfb ":$n" -screen 0 "$geometry" -nolisten tcp -displayfd 3 3>"$ready" >/dev/null 2>"$errors" &
        pid=$!
        for ((tries = 0; tries < 300; tries++)); do
            [ -s "$ready" ] && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        if [ -s "$ready" ]; then
            rm -f "$ready" "$errors"
            virtual_display_pid=$pid
            export DISPLAY=:$n
            return 0
        fi
        if kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
            rm -f "$ready" "$errors"
            echo "Xvfb on :$n did not accept connections within 30 s" >&2
            return 1
        fi
        wait "$pid" 2>/dev/null
        # Taken meanwhile by another X server: the next number. Otherwise
        # Xvfb itself failed, and says why.
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            echo "Xvfb failed on :$n:" >&2
            cat "$errors" >&2
            rm -f "$ready" "$errors"
            return 1
        fi
    done
    rm -f "$ready" "$errors"
    echo "no free X display number from :$first to :$((first + 99))" >&2
    return 1
}

stop_virtual_display() {
    if [ -n "$virtual_display_pid" ]; then
        kill "$virtual_display_pid" 2>/dev/null
        wait "$virtual_display_pid" 2>/dev/null
        virtual_display_pid=
    fi
    return 0
}
