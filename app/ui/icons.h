// The toolbar and caption-strip icons, drawn in code so they stay crisp and
// need no image files: 22 x 22 for the toolbar keys, 16 x 13 for the
// glyphs of the caption strips (maximise/restore, close).
#pragma once

#include <QImage>

namespace cs {

enum class Icon {
  Pencil,
  FillChar,
  Line,
  Rectangle,
  Selection,
  CharGrid,
  PixelGrid,
  Palette,
  BorderPalette,
  Preview,
  Magnifier,
  Zoom1,
  Zoom2,
  Zoom3,
  Zoom4,
};

inline constexpr int kIconSize = 22;

QImage MakeIcon(Icon icon);
// The icon an instrument's or shape option's key shows, by the name the
// instrument table gives it ("pencil", "ellipse", "bucket", ...).
QImage MakeInstrumentIcon(const char* name);

// IMG_SRC_ICON_RESIZE_MAX: shown while the picture window floats (a press
// makes it fill the work area); IMG_SRC_ICON_RESIZE_MIN: shown while it fills.
QImage MakeResizeMaxIcon();
QImage MakeResizeMinIcon();
// The close icon of a floating panel's caption strip, 16 x 13.
QImage MakeCloseIcon();

}  // namespace cs
