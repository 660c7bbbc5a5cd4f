// The positions of the movable panels, kept in "chromasmith.ini" next to the
// program, section "positions". Read at start-up (missing keys take their
// defaults) and written on request, every key in table order.
#pragma once

#include <string>

#include "formats/file_error.h"
#include "formats/ini_text.h"

namespace cs {

inline constexpr const char* kIniFileName = "chromasmith.ini";
inline constexpr const char* kIniSection = "positions";

struct WindowPositions {
  // The picture window: its bounds, and whether it floats at them (1) or
  // fills the work area (0).
  int pictureX = 0;
  int pictureY = 40;
  int pictureWidth = 1033;
  int pictureHeight = 794;
  int pictureAlign = 0;
  int paletteX = 3;
  int paletteY = 43;
  int borderPaletteX = 345;
  int borderPaletteY = 43;
  int previewX = 3;
  int previewY = 43;
  int zoomPreviewX = 495;
  int zoomPreviewY = 43;
  int correctorX = 3;
  int correctorY = 43;
  int historyX = 780;
  int historyY = 43;
  int patternsX = 660;
  int patternsY = 43;
  int brushX = 800;
  int brushY = 43;
  int referenceX = 780;
  int referenceY = 470;
  // Not a position: whether "Low-flicker painting" is on, kept with them.
  int lowFlicker = 0;
  friend bool operator==(const WindowPositions&, const WindowPositions&) = default;
};

// The smallest picture window, which its resize grips keep too.
inline constexpr int kPictureMinWidth = 524;
inline constexpr int kPictureMinHeight = 414;
// The widest range of positions and sizes a window system takes; anything
// beyond it can only be a damaged or hand-made file.
inline constexpr int kMaxPanelCoordinate = 32767;

// Each key with its field and the values it may take, in the order the file
// is written.
struct WindowPositionKey {
  const char* key;
  int WindowPositions::*field;
  int low = -kMaxPanelCoordinate;
  int high = kMaxPanelCoordinate;
};
inline constexpr WindowPositionKey kWindowPositionKeys[] = {
    {"picture_x", &WindowPositions::pictureX},
    {"picture_y", &WindowPositions::pictureY},
    {"picture_width", &WindowPositions::pictureWidth, kPictureMinWidth},
    {"picture_height", &WindowPositions::pictureHeight, kPictureMinHeight},
    {"picture_align", &WindowPositions::pictureAlign, 0, 1},
    {"palette_x", &WindowPositions::paletteX},
    {"palette_y", &WindowPositions::paletteY},
    {"borderpal_x", &WindowPositions::borderPaletteX},
    {"borderpal_y", &WindowPositions::borderPaletteY},
    {"preview_x", &WindowPositions::previewX},
    {"preview_y", &WindowPositions::previewY},
    {"zoompreview_x", &WindowPositions::zoomPreviewX},
    {"zoompreview_y", &WindowPositions::zoomPreviewY},
    {"colorcorrector_x", &WindowPositions::correctorX},
    {"colorcorrector_y", &WindowPositions::correctorY},
    {"history_x", &WindowPositions::historyX},
    {"history_y", &WindowPositions::historyY},
    {"patterns_x", &WindowPositions::patternsX},
    {"patterns_y", &WindowPositions::patternsY},
    {"brush_x", &WindowPositions::brushX},
    {"brush_y", &WindowPositions::brushY},
    {"reference_x", &WindowPositions::referenceX},
    {"reference_y", &WindowPositions::referenceY},
    {"low_flicker", &WindowPositions::lowFlicker, 0, 1},
};

// A missing key, or one whose value is not an integer in its range, takes
// its default. Panels placed within range may still lie outside the work
// area; the widgets keep their caption strips within reach.
WindowPositions ReadWindowPositions(const IniDocument& ini);
// The INI text with every key of the table set; other sections, keys and comments
// stay as they were.
std::string WriteWindowPositions(const std::string& iniText, const WindowPositions& pos);

// The INI file's path in the program's directory.
std::string WindowPositionsPath(const std::string& programDir);

// Reads the file; a missing or unreadable file gives every default.
WindowPositions LoadWindowPositions(const std::string& path);
// Sets the keys in the file (creating it if need be). The file is replaced
// whole or not at all.
FileError SaveWindowPositions(const std::string& path, const WindowPositions& pos);

}  // namespace cs
