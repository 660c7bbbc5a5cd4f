#!/usr/bin/env bash
# Draws the 256-pixel PNG icon from desktop/chromasmith.svg; both are
# committed, so a build needs no SVG renderer. Run after changing the SVG
# (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
rsvg-convert --width 256 --height 256 desktop/chromasmith.svg --output desktop/chromasmith-256.png
