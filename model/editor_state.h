// The one editor state: the Picture and everything that lives beside it for
// the whole run. Passed by reference to whatever reads or changes it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/builtin_font.h"
#include "model/current_colours.h"
#include "model/picture.h"
#include "model/reference.h"
#include "model/view_mode.h"

namespace cs {

// The last point the pen painted; column -1 means none.
struct PenMemo {
  int column = -1;
  int cellRow = 0;
  int bit = 0;
  int line = 0;
  void clear() { column = -1; }
};

// The cell-aligned selection, in byte columns and cell rows.
struct Selection {
  bool visible = false;
  bool dragging = false;  // the rectangle follows the mouse from the anchor
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int anchorCol = 0;  // the cell where the drag started
  int anchorRow = 0;
  friend bool operator==(const Selection&, const Selection&) = default;
};

// What the last copy recorded (or the last paste brought in): the rectangle
// and the whole Picture's planes as they were then.
struct CopyBlock {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  alignas(kPlanesAlign) std::array<uint8_t, kPlanesSize> planes{};
};

// Left, top, width and height of a panel in its parent.
struct PanelBounds {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const PanelBounds&, const PanelBounds&) = default;
};

struct ViewState {
  int zoomLevel = 1;  // 1..4
  int pixelScale() const { return 4 * zoomLevel; }
  // Where the picture window goes when it stops filling the work area.
  PanelBounds restoreBounds{2, 42, 640, 480};
  // The preview window's navigation: the zoom a click there switches to (as
  // a pixel scale: 8, 12 or 16) and the 8 x 8 block under the mouse.
  int previewZoomTarget = 8;
  int previewCellX = 0;
  int previewCellY = 0;
  // The event time of the wheel notch that zoomed last (0: none yet).
  unsigned lastWheelZoomMs = 0;
};

// A cell of the Picture: byte column and cell row.
struct CellCoord {
  int column = 0;
  int row = 0;
  friend bool operator==(const CellCoord&, const CellCoord&) = default;
};

// The colour corrector's block, from the anchor cell (its top-left corner)
// to the bottom-right cell, both inclusive, in cell rows of the cell height
// they were chosen at. The stored cells stay as chosen when the cell height
// changes; whoever uses the block clamps it to the Picture first.
struct CorrectorState {
  CellCoord cell;         // CorrectorCell
  CellCoord blockEnd;     // CorrectorBlockEnd
  bool dragging = false;  // CorrectorDragging: from a press in a screen view to the release
};

// Instrument values as the toolbar and the keys set them.
enum class Instrument : uint8_t {
  Paint = 0, FillChar = 1, Line = 2, Rect = 3, Ellipse = 4, Fill = 5, Airbrush = 6, Text = 7, Select = 255
};

// What shapes and fills paint besides their outline, and the mirrors every
// drawn point is repeated in.
struct ShapeOptions {
  bool filled = false;        // Rect and Ellipse also paint their inside
  int pattern = 0;            // index into the pattern table; 0 is solid
  int secondMix = 0;          // the mix a pattern's 0 bits paint in, 0..3
  bool mirrorLeftRight = false;  // also paint at x -> 255 - x
  bool mirrorTopBottom = false;  // also paint at y -> 191 - y
};

// A position on the editor image, in screen pixels.
struct ImagePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ImagePoint&, const ImagePoint&) = default;
};

// The Fill instrument from its press to its release: where the press was
// and where the drag has got to (a gradient's vector).
struct FillDrag {
  bool active = false;
  ImagePoint from;
  ImagePoint to;
};

// The lettering of the Text instrument: the open text's origin and lines,
// the Picture as it was before the text (Backspace paints the text again
// over it), and the font and option every text is drawn with.
struct TextState {
  bool open = false;
  bool typed = false;  // a character was drawn: the undo snapshot is taken
  int x = 0;           // the origin, in picture pixels
  int y = 0;
  std::vector<std::u32string> lines;  // one line at least while open
  Picture before;
  Picture after;  // as the text left it: anything else that changed the Picture ends the text
  bool opaque = false;  // clear glyph bits paint in the Patterns panel's second mix
  Font font = BuiltInFont();
};

// What the pen and the shapes paint each point with: a square or round
// brush, the airbrush's spray, or a stamp taken from the picture.
struct BrushState {
  int size = 1;  // 1..8 picture pixels across
  bool round = false;
  int airDensity = 8;  // pixels per spray, 1..64
  int airRadius = 8;   // picture pixels, 2..32
  uint64_t airSeed = 0;    // what the next airbrush press seeds its random source with
  uint64_t airRandom = 0;  // the running random source of the airbrush
  // The stamp: its pixels' mixes (2 * bit0 + bit1), row by row; none while
  // the width is 0.
  int stampWidth = 0;
  int stampHeight = 0;
  std::vector<uint8_t> stampMixes;
  int transparentMix = -1;  // the stamp's mix that is not painted, -1 for none
  bool hasStamp() const { return stampWidth > 0; }
};

struct EditorState {
  Picture picture;
  UndoSnapshot undo;
  CurrentColours colours;
  ViewState view;
  Selection selection;
  CopyBlock copy;
  // The planes as they were before the running transform: transforms read
  // only from here, so no write feeds a later read.
  alignas(kPlanesAlign) std::array<uint8_t, kPlanesSize> transformSource{};
  PenMemo penMemo;
  CorrectorState corrector;

  bool pixModeOn = true;
  bool rgbModeOn = true;
  bool charGridOn = false;
  bool pixelGridOn = false;
  bool clickGuard = false;
  bool wheelReady = false;
  int antsPhase = 0;  // 0, 4, 8 or 12
  ViewMode viewMode = ViewMode::Mix;
  ViewPalette viewPalette = ViewPalette::ChromaSmith;
  // After each stroke, shape and paste, the cells painted take the screen
  // exchange that flickers least ("Low-flicker painting").
  bool lowFlickerPainting = false;
  int keyStepCount = 0;  // cursor steps of the current key-repeat run

  std::string currentFileName;

  Instrument curInstrument = Instrument::Paint;
  bool shapeStarted = false;  // a shape has its first point; a rubber band follows the mouse
  ImagePoint lastPoint;       // the last pen position, anchor of the open shape
  ImagePoint lastMousePos;    // the last position moved over while no click guard was set
  ShapeOptions shapes;
  BrushState brush;
  FillDrag fillDrag;
  // The last position moved over, click guard or not: the magnifier follows it.
  ImagePoint zoomPreviewMouse;
  // The image traced from, drawn over the editor image only.
  ReferenceState reference;
  TextState text;
};

// Takes the undo snapshot of the state's Picture.
inline void TakeUndoSnapshot(EditorState& s) { TakeUndoSnapshot(s.picture, s.undo); }
inline void SwapUndoSnapshot(EditorState& s) { SwapUndoSnapshot(s.picture, s.undo); }

}  // namespace cs
