#!/usr/bin/env bash
# Runs a test on a virtual X display of its own; 77 (skipped) where there is none, but a
# failure under CI, where the display must be there.
command -v xvfb-run >/dev/null || { [ "${CI:-}" = true ] && exit 1; exit 77; }
exec xvfb-run -a -s "-screen 0 1920x1200x24" "$@"
