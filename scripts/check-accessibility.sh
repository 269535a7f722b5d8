#!/usr/bin/env bash
# Starts the built editor on a scratch copy of the sample item under a virtual display with an accessibility bus,
# and reads its accessible tree as a screen reader does (scripts/accessible-tree.py).
# Usage: scripts/check-accessibility.sh BRINDLEWORK
set -euo pipefail
editor=$(realpath "$1")
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r examples/Quest "$work/Quest"
mkdir -m 0700 "$work/runtime"
cat >"$work/session.sh" <<SESSION
#!/usr/bin/env bash
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=\$!
sleep 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR="$work/runtime" "$editor" "$work/Quest/RubyRing.ITM" &
sheet=\$!
status=0
/usr/bin/python3 "$PWD/scripts/accessible-tree.py" RubyRing || status=\$?
kill \$sheet \$bus 2>/dev/null || true
exit \$status
SESSION
chmod +x "$work/session.sh"
timeout 120 xvfb-run -a dbus-run-session -- "$work/session.sh" 2> >(grep -v 'fd limit\|XDG_RUNTIME_DIR\|dbus-daemon\|SpiRegistry' >&2)
