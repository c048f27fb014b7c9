#!/usr/bin/env bash
# Installs what is missing, builds, and starts Dextrel. Without a Vendrix logger attached the
# program runs on the simulated logger, so that it can be tried on any machine.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh

# True when a logger 04d8:fffd is attached.
logger_attached() {
    if command -v lsusb >/dev/null 2>&1; then
        lsusb -d 04d8:fffd >/dev/null 2>&1 && return 0
        return 1
    fi
    local dev
    for dev in /sys/bus/usb/devices/*; do
        [ -r "$dev/idVendor" ] && [ -r "$dev/idProduct" ] || continue
        if [ "$(cat "$dev/idVendor")" = "04d8" ] && [ "$(cat "$dev/idProduct")" = "fffd" ]; then
            return 0
        fi
    done
    return 1
}

# DEXTREL_SIMULATE=1 forces the simulated logger, DEXTREL_SIMULATE=0 the real USB bus.
simulate="${DEXTREL_SIMULATE:-}"
if [ -z "$simulate" ]; then
    if logger_attached; then simulate=0; else simulate=1; fi
fi

if [ "$simulate" = "1" ]; then
    export DEXTREL_SIM_EVENTS="${DEXTREL_SIM_EVENTS:-3}"
    echo "No Vendrix logger (04d8:fffd) in use: Dextrel runs on the simulated logger" \
         "(${DEXTREL_SIM_EVENTS} recorded events). See README.md, \"The simulated logger\"."
    export LD_PRELOAD="$PWD/build/sim/libdextrel_sim.so${LD_PRELOAD:+:$LD_PRELOAD}"
fi
exec ./build/dextrel
