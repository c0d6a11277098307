# SPDX-License-Identifier: MIT
# A private D-Bus session bus for one test, sourced by the scripts that need
# one. It starts services only from the test's own folder ($1/services, made
# here; put .service files there before the first call that needs them):
# with the standard folders, a desktop portal or accessibility bus installed
# on the machine would be started on demand and take a stand-in's name.
# Sets bus_pid and exports DBUS_SESSION_BUS_ADDRESS; the caller stops the bus.
start_private_bus() {
  local dir=$1
  mkdir -p "$dir/services"
  cat >"$dir/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$dir</listen>
  <auth>EXTERNAL</auth>
  <servicedir>$dir/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
  dbus-daemon --config-file="$dir/bus.conf" --nofork --print-address=1 >"$dir/bus" 2>"$dir/bus.err" &
  bus_pid=$!
  for _ in $(seq 100); do [ -s "$dir/bus" ] && break; sleep 0.1; done
  [ -s "$dir/bus" ] || fail "dbus-daemon did not start: $(cat "$dir/bus.err")"
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$dir/bus")
  export DBUS_SESSION_BUS_ADDRESS
}

# start_fake_portal DIR ARGS...: the stand-in portal on the bus, answering as
# ARGS say; sets portal_pid once it is ready. Its log is DIR/portal.
start_fake_portal() {
  local dir=$1
  shift
  "$FAKE_PORTAL" "$@" >"$dir/portal" 2>&1 &
  portal_pid=$!
  for _ in $(seq 100); do grep -q ready "$dir/portal" && break; sleep 0.1; done
  grep -q ready "$dir/portal" || fail "the stand-in portal did not start"
}
