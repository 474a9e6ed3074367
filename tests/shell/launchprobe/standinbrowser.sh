#!/bin/sh
# Stands in for the web browser that the shell hands addresses to: writes its arguments, one
# a line, into the file beside itself, so that a test sees what the shell passed on.
printf '%s\n' "$@" > "$0.args.part" && mv "$0.args.part" "$0.args"
