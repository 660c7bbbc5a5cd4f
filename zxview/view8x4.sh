#!/bin/sh
# Shows a picture of 8x4 cells in fuse: the viewer rewrites each attribute
# row of the screen shown in time with the beam, so each 8x4 cell has its own
# colours.
exec "$(dirname "$0")/view8x8.sh" image.mg4 "$@"
