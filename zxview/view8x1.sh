#!/bin/sh
# Shows a picture of 8x1 cells in fuse: the viewer rewrites the 16 central
# attribute columns of the screen shown in time with every line, so each
# 8x1 cell has its own colours (the outer columns keep their 8x8 cells).
exec "$(dirname "$0")/view8x8.sh" image.mg1 "$@"
