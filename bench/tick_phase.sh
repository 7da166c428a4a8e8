#!/bin/bash
# Tick phase alone: how far each tick lags behind the wall-clock second boundary, seen from
# outside (the minimised stopwatch's title changes as the X server reports them) and from
# the program's own tick log. Part of bench/run.sh; see bench/README.md.
#   bench/tick_phase.sh [--quick] [PROGRAM]
exec "$(dirname "${BASH_SOURCE[0]}")/run.sh" --only tick "$@"
