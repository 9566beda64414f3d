#!/bin/sh
# A launcher that runs the interpreter it is given as a child of its own, not
# in its place (no exec), as some installations' start scripts do.
"$@"
