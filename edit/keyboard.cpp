#include "edit/keyboard.h"

#include "edit/instrument_table.h"

namespace cs {

namespace {

// One row of the table: the key (or a second key with the same meaning),
// which modifiers it wants, and the command.
enum class Need { Any, NoCtrl, Ctrl, Alt, NoAlt, NoCtrlNoAlt, AltNoCtrlNoShift, AltShiftNoCtrl, NoModifier };

struct Rule {
  int key;
  int otherKey;
  Need need;
  KeyCommand command;
};

constexpr int kNone = -1;
constexpr int kEveryKey = -2;

// The instrument keys come first, from the instrument table, without Ctrl.
constexpr Rule kRules[] = {
    {vk::Esc, kNone, Need::Any, KeyCommand::EndShape},
    {vk::Esc, kNone, Need::Any, KeyCommand::RemoveSelection},
    {'D', kNone, Need::Ctrl, KeyCommand::RemoveSelection},
    {vk::Up, kNone, Need::Any, KeyCommand::RaisePreviewTarget},
    {vk::Down, kNone, Need::Any, KeyCommand::LowerPreviewTarget},
    {kEveryKey, kNone, Need::Any, KeyCommand::CapKeySteps},
    {'O', '6', Need::NoCtrl, KeyCommand::CursorStepLeft},
    {'P', '7', Need::NoCtrl, KeyCommand::CursorStepRight},
    {'A', '8', Need::NoCtrl, KeyCommand::CursorStepDown},
    {'Q', '9', Need::NoCtrl, KeyCommand::CursorStepUp},
    {vk::Space, '0', Need::NoCtrl, KeyCommand::ClickLeft},
    {vk::Enter, '5', Need::NoCtrl, KeyCommand::ClickRight},
    {'6', kNone, Need::Ctrl, KeyCommand::NudgeLeft},
    {'7', kNone, Need::Ctrl, KeyCommand::NudgeRight},
    {'8', kNone, Need::Ctrl, KeyCommand::NudgeDown},
    {'9', kNone, Need::Ctrl, KeyCommand::NudgeUp},
    {vk::Delete, kNone, Need::Any, KeyCommand::DeleteSelection},
    {'C', kNone, Need::Ctrl, KeyCommand::CopySelection},
    {'V', kNone, Need::Ctrl, KeyCommand::PasteSelection},
    {vk::Left, kNone, Need::Ctrl, KeyCommand::RotatePixelsLeft},
    {vk::Right, kNone, Need::Ctrl, KeyCommand::RotatePixelsRight},
    {vk::Up, kNone, Need::Ctrl, KeyCommand::RotatePixelsUp},
    {vk::Down, kNone, Need::Ctrl, KeyCommand::RotatePixelsDown},
    {'Z', kNone, Need::Ctrl, KeyCommand::Undo},
    {'1', kNone, Need::Any, KeyCommand::SelectMix0},
    {'2', kNone, Need::Any, KeyCommand::SelectMix1},
    {'3', kNone, Need::Any, KeyCommand::SelectMix2},
    {'4', kNone, Need::Any, KeyCommand::SelectMix3},
    {'C', kNone, Need::NoCtrl, KeyCommand::TogglePalette},
    {'V', vk::F12, Need::NoCtrlNoAlt, KeyCommand::TogglePreview},
    {'V', kNone, Need::Alt, KeyCommand::ToggleZoomPreview},
    {'B', kNone, Need::NoCtrl, KeyCommand::ToggleBorderPalette},
    {'G', kNone, Need::NoCtrl, KeyCommand::ToggleCharGrid},
    {'H', kNone, Need::NoCtrl, KeyCommand::TogglePixelGrid},
    {'W', kNone, Need::NoCtrl, KeyCommand::TogglePixMode},
    {'E', kNone, Need::NoCtrl, KeyCommand::ToggleRgbMode},
    {'X', kNone, Need::NoAlt, KeyCommand::FlipCorrector},
    {vk::Right, vk::Up, Need::Any, KeyCommand::RefreshView},
    {vk::Down, kNone, Need::Any, KeyCommand::RefreshView},
    {'S', kNone, Need::Ctrl, KeyCommand::Save},
    {'O', kNone, Need::Ctrl, KeyCommand::Open},
    {'A', kNone, Need::Ctrl, KeyCommand::SelectAll},
    // The history's keys: Z without Ctrl, and Y, belong to no rule above.
    {'Z', kNone, Need::AltNoCtrlNoShift, KeyCommand::StepBackward},
    {'Z', kNone, Need::AltShiftNoCtrl, KeyCommand::StepForward},
    {'Y', kNone, Need::NoCtrl, KeyCommand::ToggleHistory},
    // The views: letters no other rule uses, without Ctrl or Alt.
    {'M', kNone, Need::NoCtrlNoAlt, KeyCommand::ViewMix},
    {'F', kNone, Need::NoCtrlNoAlt, KeyCommand::ViewFlicker},
    {'I', kNone, Need::NoCtrlNoAlt, KeyCommand::ViewInterlace},
    {'T', kNone, Need::NoCtrlNoAlt, KeyCommand::ViewScreen0},
    {'U', kNone, Need::NoCtrlNoAlt, KeyCommand::ViewScreen1},
    {'R', kNone, Need::NoCtrlNoAlt, KeyCommand::ViewFlickerRisk},
    // Z alone shows or hides the reference image; with any modifier it
    // keeps its undo and history meanings.
    {'Z', kNone, Need::NoModifier, KeyCommand::ToggleReference},
    // The brush's size, wherever the Brush panel is.
    {vk::BracketLeft, kNone, Need::NoCtrlNoAlt, KeyCommand::BrushSmaller},
    {vk::BracketRight, kNone, Need::NoCtrlNoAlt, KeyCommand::BrushLarger},
};

bool modifiersFit(Need need, KeyModifiers m) {
  switch (need) {
    case Need::Any: return true;
    case Need::NoCtrl: return !m.ctrl;
    case Need::Ctrl: return m.ctrl;
    case Need::Alt: return m.alt;
    case Need::NoAlt: return !m.alt;
    case Need::NoCtrlNoAlt: return !m.ctrl && !m.alt;
    case Need::AltNoCtrlNoShift: return m.alt && !m.ctrl && !m.shift;
    case Need::AltShiftNoCtrl: return m.alt && m.shift && !m.ctrl;
    case Need::NoModifier: return !m.ctrl && !m.alt && !m.shift;
  }
  return false;
}

}  // namespace

std::vector<KeyCommand> DecodeKey(int key, KeyModifiers m, const KeyContext& context) {
  std::vector<KeyCommand> out;
  if (!m.ctrl && InstrumentForKey(key)) out.push_back(KeyCommand::ChooseInstrument);
  for (const Rule& r : kRules) {
    if (r.key != kEveryKey && key != r.key && key != r.otherKey) continue;
    if (!modifiersFit(r.need, m)) continue;
    // The preview's zoom target moves only while the preview is shown, and
    // only within 8..16.
    if (r.command == KeyCommand::RaisePreviewTarget &&
        !(context.previewVisible && context.previewZoomTarget < 16))
      continue;
    if (r.command == KeyCommand::LowerPreviewTarget &&
        !(context.previewVisible && context.previewZoomTarget > 8))
      continue;
    out.push_back(r.command);
  }
  return out;
}

int NextCursorStep(int& keyStepCount, int pixelScale) {
  // Every key press has capped the count at 5 first (CapKeySteps).
  ++keyStepCount;
  return pixelScale * keyStepCount;
}

}  // namespace cs
