#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program as shipped, seen through the accessibility bus (AT-SPI) as a
# screen reader sees it: under the main window's frame every focusable
# control has a name, and no two share one.
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
command -v dbus-daemon >/dev/null || { echo "SKIP: dbus-daemon is not installed"; exit 77; }
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
# pyatspi is Debian's package: the system's own interpreter has it, where
# a python3 earlier on the PATH may not.
py=""
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import pyatspi' 2>/dev/null; then py=$candidate; break; fi
done
[ -n "$py" ] || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

# A session bus of this test's own, which starts services only from this
# test's folder: the accessibility bus launcher and nothing else.
mkdir "$work/services"
cat >"$work/services/org.a11y.Bus.service" <<EOF2
[D-BUS Service]
Name=org.a11y.Bus
Exec=$launcher
EOF2
start_x
source "$(dirname "${BASH_SOURCE[0]}")/private_bus.sh"
start_private_bus "$work"
# The bus goes with the test; the launcher it started ends with it.
trap 'kill "$bus_pid" 2>/dev/null || true; cleanup' EXIT
unset AT_SPI_BUS_ADDRESS
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
not_first_start

"$app" >"$work/out.log" 2>&1 &
app_pid=$!
main_window "$EXPECTED_TITLE" >/dev/null

rc=0
timeout 60 "$py" - "$app_pid" "$EXPECTED_TITLE" >"$work/walk" 2>&1 <<'PY' || rc=$?
import sys, time
import pyatspi

pid, title = int(sys.argv[1]), sys.argv[2]

def find_frame():
    for app in pyatspi.Registry.getDesktop(0):
        if app is None:
            continue
        try:
            if app.get_process_id() != pid:
                continue
        except Exception:
            continue
        for frame in app:
            if frame is not None and frame.name == title:
                return frame
    return None

frame = None
for _ in range(100):
    frame = find_frame()
    if frame is not None:
        break
    time.sleep(0.2)
if frame is None:
    print("NOBUS: the application's frame is not on the accessibility bus")
    sys.exit(3)

controls = []
found = {}
def walk(node, depth=0):
    if node is None or depth > 20:
        return
    if node.getState().contains(pyatspi.STATE_FOCUSABLE):
        controls.append((node.name, node.getRoleName()))
        found[node.name] = node
    for child in node:
        walk(child, depth + 1)
walk(frame)

unnamed = [role for name, role in controls if not name.strip()]
names = [name for name, role in controls if name.strip()]
shared = sorted({n for n in names if names.count(n) > 1})
print("focusable:", len(controls), "unnamed:", len(unnamed), "shared:", len(shared))
for role in unnamed:
    print("  unnamed", role)
for n in shared:
    print("  shared", repr(n), names.count(n))
# Pure red at start: the plane at full saturation and brightness, the hue
# bar a slider at 0 of 360, "New" described by its colour.
plane = found.get("Saturation and brightness")
strip = found.get("Hue bar")
new = found.get("New")
facts = [
    plane is not None and plane.description == "S 100 %, B 100 %",
    strip is not None and strip.getRole() == pyatspi.ROLE_SLIDER
    and strip.queryValue().maximumValue == 360 and strip.queryValue().currentValue == 0,
    new is not None and new.description == "#FF0000",
    "History 18" in names and "Copy RGB code" in names,
]
print("plane, strip, New, names:", facts)
ok = controls and not unnamed and not shared and all(facts)
sys.exit(0 if ok else 1)
PY
cat "$work/walk"
if [ "$rc" -eq 3 ]; then
  echo "SKIP: the accessibility bus did not come up here (log: $(cat "$work/out.log"))"
  exit 77
fi
[ "$rc" -eq 0 ] || fail "the accessible tree has unnamed or shared names (exit $rc)"
echo "PASS: every focusable control under the frame has a name of its own"
