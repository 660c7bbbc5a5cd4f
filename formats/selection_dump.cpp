#include "formats/selection_dump.h"

#include <algorithm>

#include "formats/file_io.h"
#include "formats/file_name.h"
#include "formats/ini_text.h"
#include "formats/zx_screen.h"

namespace cs {

namespace {

struct Rect {
  int left, top, width, height;
};

Rect clipped(const Selection& sel, int cellHeight) {
  const int rows = kLines / cellHeight;
  Rect r;
  r.left = std::clamp(sel.left, 0, kColumns);
  r.top = std::clamp(sel.top, 0, rows);
  r.width = std::clamp(sel.width, 0, kColumns - r.left);
  r.height = std::clamp(sel.height, 0, rows - r.top);
  return r;
}

}  // namespace

bool SelectionHasCells(const Selection& sel, int cellHeight) {
  const Rect r = clipped(sel, cellHeight);
  return r.width > 0 && r.height > 0;
}

SelectionBytes SelectionDumpBytes(const Picture& pic, const Selection& sel, int pixMode, int screen) {
  const int h = pic.cellHeight();
  const Rect r = clipped(sel, h);
  SelectionBytes out;
  const uint8_t* plane = pic.pixels(screen);
  for (int v = r.top * h; v < (r.top + r.height) * h; ++v) {
    // "As screen" lists the lines found at the display file's row positions,
    // so a selection of full height gives the display file's bytes directly.
    const int line = pixMode == kPixModeAsScreen ? DisplayFileLineAt(v) : v;
    for (int column = r.left; column < r.left + r.width; ++column)
      out.pixels.push_back(plane[pixelIndex(column, line)]);
  }
  // Each cell row's attribute comes from the row's first line, in the outer
  // columns of an 8x1 Picture too.
  for (int row = r.top; row < r.top + r.height; ++row)
    for (int column = r.left; column < r.left + r.width; ++column)
      out.attributes.push_back(AttributeAt(pic.attrs(screen), column, row * h));
  return out;
}

std::string SelectionIniText(const std::string& ini, const Selection& sel, int cellHeight, int pixMode) {
  const Rect r = clipped(sel, cellHeight);
  const bool asScreen = pixMode == kPixModeAsScreen;
  return SetIniKeys(ini, "chromaSmithSelection",
                    {{"x", std::to_string(r.left)},
                     {"y", std::to_string(r.top)},
                     {"width", std::to_string(r.width)},
                     {"height", std::to_string(r.height)},
                     {"MGS_VertSize", std::to_string(cellHeight)},
                     {"pixMode", asScreen ? "1" : "0"},
                     {"pixModeString", asScreen ? "as screen" : "linear"}});
}

FileError WriteSelectionDump(const Picture& pic, const Selection& sel, int pixMode, const std::string& name) {
  if (!SelectionHasCells(sel, pic.cellHeight())) return FileError::format(kSelectionOutsideText);
  const std::string base = RemoveExtension(name);
  const bool asScreen = pixMode == kPixModeAsScreen;

  const std::string iniName = base + "_selection.ini";
  std::string ini;
  if (FileError err = ReadIniText(iniName, ini)) return err;
  ini = SelectionIniText(ini, sel, pic.cellHeight(), pixMode);
  if (FileError err = WriteFileAtomic(iniName, std::vector<uint8_t>(ini.begin(), ini.end()))) return err;

  const SelectionBytes screen0 =
      SelectionDumpBytes(pic, sel, asScreen ? kPixModeAsScreen : kPixModeLinear, 0);
  const SelectionBytes screen1 =
      SelectionDumpBytes(pic, sel, asScreen ? kPixModeAsScreen : kPixModeLinear, 1);
  if (FileError err = WriteFileAtomic(base + "_pix_0.bin", screen0.pixels)) return err;
  if (FileError err = WriteFileAtomic(base + "_pix_1.bin", screen1.pixels)) return err;
  if (FileError err = WriteFileAtomic(base + "_attr_0.bin", screen0.attributes)) return err;
  return WriteFileAtomic(base + "_attr_1.bin", screen1.attributes);
}

}  // namespace cs
