#include "edit/instrument_table.h"

#include "edit/airbrush.h"
#include "edit/fill_instrument.h"
#include "edit/pen_instruments.h"
#include "edit/shape_instruments.h"
#include "edit/text_instrument.h"
#include "model/translatable.h"

namespace cs {

namespace {

using I = Instrument;

// Toolbar order: Paint, Line, Rect, FillChar, Select, Ellipse after the zoom
// and grid keys; Fill and Airbrush open the group after the current colours.
constexpr InstrumentInfo kInstruments[] = {
    {I::Paint, "Key_Instrument_Paint", "Image_Instrument_Paint", "pencil",
     CS_TRANSLATE_NOOP("Core", "Pencil (use hotkey 'P')"), CS_TRANSLATE_NOOP("Core", "Pencil"), 'P',
     CS_TRANSLATE_NOOP("Core", "Pen"), 0, PenUnit},
    {I::Line, "Key_Instrument_Line", "Image_Instrument_Line", "line",
     CS_TRANSLATE_NOOP("Core", "Line (use hotkey 'L')"), CS_TRANSLATE_NOOP("Core", "Line"), 'L',
     CS_TRANSLATE_NOOP("Core", "Line"), 0, LineUnit},
    {I::Rect, "Key_Instrument_Rect", "Image_Instrument_Rect", "rectangle", "",
     CS_TRANSLATE_NOOP("Core", "Rectangle"), 'J', CS_TRANSLATE_NOOP("Core", "Rectangle"), 0, RectUnit},
    {I::FillChar, "Key_Instrument_FillChar", "Image_Instrument_FillChar", "fillchar",
     CS_TRANSLATE_NOOP("Core", "Fill Char (use hotkey 'N')"), CS_TRANSLATE_NOOP("Core", "Fill Char"), 'N',
     CS_TRANSLATE_NOOP("Core", "Fill char"), 0, FillCharUnit},
    {I::Select, "Key_Instrument_Select", "Image_Instrument_Select", "selection",
     CS_TRANSLATE_NOOP("Core", "Selection (use hotkey 'S')"), CS_TRANSLATE_NOOP("Core", "Selection"), 'S', "",
     0, SelectUnit},
    {I::Ellipse, "Key_Instrument_Ellipse", "Image_Instrument_Ellipse", "ellipse",
     CS_TRANSLATE_NOOP("Core", "Ellipse (use hotkey 'D')"), CS_TRANSLATE_NOOP("Core", "Ellipse"), 'D',
     CS_TRANSLATE_NOOP("Core", "Ellipse"), 0, EllipseUnit},
    {I::Fill, "Key_Instrument_Fill", "Image_Instrument_Fill", "bucket",
     CS_TRANSLATE_NOOP("Core", "Fill (use hotkey 'K')"), CS_TRANSLATE_NOOP("Core", "Fill"), 'K',
     CS_TRANSLATE_NOOP("Core", "Fill"), 1, FillUnit},
    {I::Airbrush, "Key_Instrument_Airbrush", "Image_Instrument_Airbrush", "spraycan",
     CS_TRANSLATE_NOOP("Core", "Airbrush"), CS_TRANSLATE_NOOP("Core", "Airbrush"), 0,
     CS_TRANSLATE_NOOP("Core", "Airbrush"), 1, AirbrushUnit},
    {I::Text, "Key_Instrument_Text", "Image_Instrument_Text", "text", CS_TRANSLATE_NOOP("Core", "Text"),
     CS_TRANSLATE_NOOP("Core", "Text"), 0, CS_TRANSLATE_NOOP("Core", "Text"), 1, TextUnit},
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
