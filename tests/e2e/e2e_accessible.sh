#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program as shipped, seen through the accessibility bus (AT-SPI) as a
# screen reader sees it: under the main window's frame every focusable
# control has a name, and no two share one. Then, at every moment of a plane
# drag and a hue-strip drag, with the button held, the screen and the bus
# describe one colour.
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
win=$(main_window "$EXPECTED_TITLE")

rc=0
timeout 90 "$py" - "$app_pid" "$EXPECTED_TITLE" "$win" "${X11_PIXEL:?}" >"$work/walk" 2>&1 <<'PY' || rc=$?
import subprocess, sys, time
import pyatspi

pid, title, win, x11_pixel = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]

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

def pixel(x, y):
    return subprocess.run([x11_pixel, win, str(x), str(y)], capture_output=True, text=True).stdout.strip()

def xdo(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)

def wait_for(check, seconds=5.0):
    end = time.time() + seconds
    while time.time() < end:
        if check():
            return True
        time.sleep(0.02)
    return False

def field(name):
    return found[name].queryText().getText(0, -1)

incoherent = []
def moment(what, taken, ring):
    # Once the window has taken the event (its plane or strip tells the new
    # value) and has painted, everything describes one colour at once.
    if not wait_for(taken):
        incoherent.append(what + ": the event was not taken")
        return None
    wait_for(lambda: pixel(330, 100) == pixel(*ring), 2.0)
    rgb = "#%02X%02X%02X" % tuple(int(field(n)) for n in ("Red", "Green", "Blue"))
    seen = {"New on screen": pixel(330, 100), "plane under the ring": pixel(*ring), "New": new.description,
            "HTML code": field("HTML Color Code:"), "R, G, B": rgb}
    if len(set(seen.values())) != 1:
        incoherent.append("%s: %s" % (what, seen))
    return seen

def plane_at(x, y):
    return lambda: plane.description == "S %d %%, B %d %%" % ((x - 10) * 100 // 255, (265 - y) * 100 // 255)

def hue_at(y):
    return lambda: strip.queryValue().currentValue == (255 - (y - 10)) * 360 // 255

xdo("mousemove", "--window", win, 60, 60, "mousedown", 1)
moment("plane press", plane_at(60, 60), (60, 60))
for x, y in ((80, 90), (120, 140), (160, 190)):
    xdo("mousemove", "--window", win, x, y)
    last = moment("plane move to %d,%d" % (x, y), plane_at(x, y), (x, y))
xdo("mouseup", 1)
if last is not None and moment("plane release", plane_at(160, 190), (160, 190)) != last:
    incoherent.append("the plane's release changed what is shown")
xdo("mousemove", "--window", win, 282, 100, "mousedown", 1)
moment("strip press", hue_at(100), (160, 190))
for y in (150, 200, 60):
    xdo("mousemove", "--window", win, 282, y)
    last = moment("strip move to %d" % y, hue_at(y), (160, 190))
xdo("mouseup", 1)
if last is not None and moment("strip release", hue_at(60), (160, 190)) != last:
    incoherent.append("the strip's release changed what is shown")
for line in incoherent:
    print("  incoherent", line)
ok = controls and not unnamed and not shared and all(facts) and not incoherent
sys.exit(0 if ok else 1)
PY
cat "$work/walk"
if [ "$rc" -eq 3 ]; then
  echo "SKIP: the accessibility bus did not come up here (log: $(cat "$work/out.log"))"
  exit 77
fi
[ "$rc" -eq 0 ] || fail "the accessible tree has unnamed or shared names, or a drag showed two colours (exit $rc)"
echo "PASS: every focusable control under the frame has a name of its own, and every moment of a drag one colour"
