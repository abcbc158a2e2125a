#!/usr/bin/env bash
# Runs a test on a virtual X display of its own; 77 (skipped) where there is none.
command -v xvfb-run >/dev/null || exit 77
exec xvfb-run -a -s "-screen 0 1920x1200x24" "$@"
