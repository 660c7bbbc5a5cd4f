#!/bin/sh
# The multicolour viewer for 8x1 cells is coming. Until it is here, this
# shows the picture's 8x8 approximation: every 8x8 cell in the colours of its
# first line.
echo "view8x1: the multicolour viewer is coming; showing the 8x8 approximation" >&2
exec "$(dirname "$0")/view8x8.sh" image.mg1 "$@"
