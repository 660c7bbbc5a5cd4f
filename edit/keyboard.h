// The editor's keyboard: which commands a key press runs, in the order they
// run. Keys are named by their key codes: letters by the code of the
// upper-case letter, digits of the main row by '0'..'9', the others below.
// One key can run several commands (P selects the pen and steps the cursor
// right; Ctrl+Up rotates pixels and raises the preview's zoom target).
#pragma once

#include <cstdint>
#include <vector>

namespace cs {

namespace vk {
inline constexpr int Enter = 0x0D;
inline constexpr int Esc = 0x1B;
inline constexpr int Space = 0x20;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Delete = 0x2E;
inline constexpr int F12 = 0x7B;
inline constexpr int BracketLeft = 0xDB;
inline constexpr int BracketRight = 0xDD;
}  // namespace vk

struct KeyModifiers {
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
};

// What the rules look at besides the key.
struct KeyContext {
  bool previewVisible = false;
  int previewZoomTarget = 8;
};

enum class KeyCommand {
  ChooseInstrument,  // the instrument whose key it is (InstrumentForKey)
  EndShape,
  RemoveSelection,
  RaisePreviewTarget,
  LowerPreviewTarget,
  CapKeySteps,
  CursorStepLeft,
  CursorStepRight,
  CursorStepDown,
  CursorStepUp,
  ClickLeft,
  ClickRight,
  NudgeLeft,
  NudgeRight,
  NudgeDown,
  NudgeUp,
  DeleteSelection,
  CopySelection,
  PasteSelection,
  RotatePixelsLeft,
  RotatePixelsRight,
  RotatePixelsUp,
  RotatePixelsDown,
  Undo,
  SelectMix0,
  SelectMix1,
  SelectMix2,
  SelectMix3,
  TogglePalette,
  TogglePreview,
  ToggleZoomPreview,
  ToggleBorderPalette,
  ToggleCharGrid,
  TogglePixelGrid,
  TogglePixMode,
  ToggleRgbMode,
  FlipCorrector,
  RefreshView,
  Save,
  Open,
  SelectAll,
  StepBackward,   // the history one step back
  StepForward,    // and one step forward
  ToggleHistory,  // shows or hides the history panel
  ViewMix,
  ViewFlicker,
  ViewInterlace,
  ViewScreen0,
  ViewScreen1,
  ViewFlickerRisk,
  ToggleReference,  // shows or hides the reference image
  BrushSmaller,  // the brush one size smaller
  BrushLarger,   // and one size larger
};

// The last key release and the cursor steps it ended, in case the press
// that follows at the same moment shows it was a repeat.
struct KeyReleaseMemo {
  int key = 0;
  uint64_t time = 0;  // the window system's event time
  int steps = 0;
};

// Every command the key runs, in the order of the rule table.
std::vector<KeyCommand> DecodeKey(int key, KeyModifiers m, const KeyContext& context);

// The cursor steps of a key-repeat run grow by one picture pixel per step;
// with the count capped at 5 by every key press they stop at six. Returns the
// screen pixels of the next step, counting it in `keyStepCount`.
int NextCursorStep(int& keyStepCount, int pixelScale);

}  // namespace cs
