#include "edit/instrument_table.h"

#include "edit/airbrush.h"
#include "edit/fill_instrument.h"
#include "edit/pen_instruments.h"
#include "edit/shape_instruments.h"
#include "edit/text_instrument.h"

namespace cs {

namespace {

using I = Instrument;

// Toolbar order: Paint, Line, Rect, FillChar, Select, Ellipse after the zoom
// and grid keys; Fill and Airbrush open the group after the current colours.
constexpr InstrumentInfo kInstruments[] = {
    {I::Paint, "Key_Instrument_Paint", "Image_Instrument_Paint", "pencil", "Pencil (use hotkey 'P')",
     "Pencil", 'P', "Pen", 0, PenUnit},
    {I::Line, "Key_Instrument_Line", "Image_Instrument_Line", "line", "Line (use hotkey 'L')", "Line", 'L',
     "Line", 0, LineUnit},
    {I::Rect, "Key_Instrument_Rect", "Image_Instrument_Rect", "rectangle", "", "Rectangle", 'J', "Rectangle",
     0, RectUnit},
    {I::FillChar, "Key_Instrument_FillChar", "Image_Instrument_FillChar", "fillchar",
     "Fill Char (use hotkey 'N')", "Fill Char", 'N', "Fill char", 0, FillCharUnit},
    {I::Select, "Key_Instrument_Select", "Image_Instrument_Select", "selection", "Selection (use hotkey 'S')",
     "Selection", 'S', "", 0, SelectUnit},
    {I::Ellipse, "Key_Instrument_Ellipse", "Image_Instrument_Ellipse", "ellipse", "Ellipse (use hotkey 'D')",
     "Ellipse", 'D', "Ellipse", 0, EllipseUnit},
    {I::Fill, "Key_Instrument_Fill", "Image_Instrument_Fill", "bucket", "Fill (use hotkey 'K')", "Fill", 'K',
     "Fill", 1, FillUnit},
    {I::Airbrush, "Key_Instrument_Airbrush", "Image_Instrument_Airbrush", "spraycan", "Airbrush", "Airbrush", 0,
     "Airbrush", 1, AirbrushUnit},
    {I::Text, "Key_Instrument_Text", "Image_Instrument_Text", "text", "Text", "Text", 0, "Text", 1, TextUnit},
};

}  // namespace

std::span<const InstrumentInfo> Instruments() { return kInstruments; }

const InstrumentInfo& InstrumentOf(Instrument n) {
  for (const InstrumentInfo& i : kInstruments)
    if (i.value == n) return i;
  return kInstruments[0];
}

const InstrumentInfo* InstrumentForKey(int key) {
  for (const InstrumentInfo& i : kInstruments)
    if (i.key != 0 && i.key == key) return &i;
  return nullptr;
}

}  // namespace cs
