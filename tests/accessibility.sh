#!/bin/sh
# The screen reader test: an X server, a session bus and the accessibility bus, as a desktop has them, then the
# listener and the driver. Skips (77) only when the accessibility bus cannot start.
set -u
driver=$1
here=$(dirname "$0")
launcher=/usr/libexec/at-spi-bus-launcher
for need in xvfb-run dbus-run-session "$launcher" /usr/bin/python3; do
    command -v "$need" >/dev/null 2>&1 || { echo "SKIP: $need is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }

unset QT_QPA_PLATFORM
[ -n "${XDG_RUNTIME_DIR:-}" ] && mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
# -noreset keeps the bus address the launcher sets on the root window once its last client has gone; the program
# reads it from there at start, as on a desktop.
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" dbus-run-session -- sh -c '
    "$0" --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    for i in 1 2 3 4 5 6 7 8 9 10; do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
            >/dev/null 2>&1 && break
        sleep 0.5
    done
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 ||
        { echo "SKIP: the accessibility bus did not start"; exit 77; }
    /usr/bin/python3 "$1/accessibility.py" "$2"
    status=$?
    kill $launcher 2>/dev/null
    exit $status' "$launcher" "$here" "$driver"
