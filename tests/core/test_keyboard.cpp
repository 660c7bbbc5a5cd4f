#include <gtest/gtest.h>

#include "edit/instrument_table.h"
#include "edit/keyboard.h"

namespace cs {
namespace {

using C = KeyCommand;
constexpr KeyModifiers kNone{}, kCtrl{true, false, false}, kAlt{false, true, false}, kShift{false, false, true};
constexpr KeyModifiers kCtrlAlt{true, true, false};

struct Row {
  int key;
  KeyModifiers mods;
  KeyContext context;
  std::vector<C> commands;
};

TEST(KeyTable, EveryRuleThatMatchesRunsInTableOrder) {
  const KeyContext hidden{false, 8}, preview8{true, 8}, preview16{true, 16};
  const Row rows[] = {
      {'P', kNone, hidden, {C::ChooseInstrument, C::CapKeySteps, C::CursorStepRight}},
      {'P', kCtrl, hidden, {C::CapKeySteps}},
      {'S', kNone, hidden, {C::ChooseInstrument, C::CapKeySteps}},
      {'S', kCtrl, hidden, {C::CapKeySteps, C::Save}},
      {'O', kNone, hidden, {C::CapKeySteps, C::CursorStepLeft}},
      {'O', kCtrl, hidden, {C::CapKeySteps, C::Open}},
      {'A', kShift, hidden, {C::CapKeySteps, C::CursorStepDown}},
      {'A', kCtrl, hidden, {C::CapKeySteps, C::SelectAll}},
      {'Q', kNone, hidden, {C::CapKeySteps, C::CursorStepUp}},
      {'N', kNone, hidden, {C::ChooseInstrument, C::CapKeySteps}},
      {'L', kNone, hidden, {C::ChooseInstrument, C::CapKeySteps}},
      {'J', kAlt, hidden, {C::ChooseInstrument, C::CapKeySteps}},
      {vk::Esc, kNone, hidden, {C::EndShape, C::RemoveSelection, C::CapKeySteps}},
      {'D', kCtrl, hidden, {C::RemoveSelection, C::CapKeySteps}},
      {'D', kNone, hidden, {C::ChooseInstrument, C::CapKeySteps}},
      {'K', kCtrl, hidden, {C::CapKeySteps}},
      {vk::Up, kCtrl, preview8, {C::RaisePreviewTarget, C::CapKeySteps, C::RotatePixelsUp, C::RefreshView}},
      {vk::Up, kNone, preview16, {C::CapKeySteps, C::RefreshView}},
      {vk::Up, kNone, hidden, {C::CapKeySteps, C::RefreshView}},
      {vk::Down, kNone, preview16, {C::LowerPreviewTarget, C::CapKeySteps, C::RefreshView}},
      {vk::Down, kCtrl, preview8, {C::CapKeySteps, C::RotatePixelsDown, C::RefreshView}},
      {vk::Left, kNone, preview8, {C::CapKeySteps}},
      {vk::Left, kCtrl, hidden, {C::CapKeySteps, C::RotatePixelsLeft}},
      {vk::Right, kCtrl, hidden, {C::CapKeySteps, C::RotatePixelsRight, C::RefreshView}},
      {'6', kNone, hidden, {C::CapKeySteps, C::CursorStepLeft}},
      {'7', kNone, hidden, {C::CapKeySteps, C::CursorStepRight}},
      {'8', kNone, hidden, {C::CapKeySteps, C::CursorStepDown}},
      {'9', kNone, hidden, {C::CapKeySteps, C::CursorStepUp}},
      {'6', kCtrl, hidden, {C::CapKeySteps, C::NudgeLeft}},
      {'9', kCtrl, hidden, {C::CapKeySteps, C::NudgeUp}},
      {vk::Space, kNone, hidden, {C::CapKeySteps, C::ClickLeft}},
      {'0', kNone, hidden, {C::CapKeySteps, C::ClickLeft}},
      {vk::Enter, kShift, hidden, {C::CapKeySteps, C::ClickRight}},
      {'5', kCtrl, hidden, {C::CapKeySteps}},
      {vk::Delete, kCtrl, hidden, {C::CapKeySteps, C::DeleteSelection}},
      {'C', kNone, hidden, {C::CapKeySteps, C::TogglePalette}},
      {'C', kCtrl, hidden, {C::CapKeySteps, C::CopySelection}},
      {'V', kNone, hidden, {C::CapKeySteps, C::TogglePreview}},
      {'V', kAlt, hidden, {C::CapKeySteps, C::ToggleZoomPreview}},
      {'V', kCtrlAlt, hidden, {C::CapKeySteps, C::PasteSelection, C::ToggleZoomPreview}},
      {vk::F12, kNone, hidden, {C::CapKeySteps, C::TogglePreview}},
      {vk::F12, kCtrl, hidden, {C::CapKeySteps}},
      {'Z', kCtrl, hidden, {C::CapKeySteps, C::Undo}},
      {'Z', kCtrlAlt, hidden, {C::CapKeySteps, C::Undo}},
      {'Z', {true, false, true}, hidden, {C::CapKeySteps, C::Undo}},
      {'Z', kAlt, hidden, {C::CapKeySteps, C::StepBackward}},
      {'Z', {false, true, true}, hidden, {C::CapKeySteps, C::StepForward}},
      {'Z', kNone, hidden, {C::CapKeySteps, C::ToggleReference}},
      {'Z', kShift, hidden, {C::CapKeySteps}},
      {'Y', kNone, hidden, {C::CapKeySteps, C::ToggleHistory}},
      {'1', kCtrl, hidden, {C::CapKeySteps, C::SelectMix0}},
      {'4', kShift, hidden, {C::CapKeySteps, C::SelectMix3}},
      {'B', kNone, hidden, {C::CapKeySteps, C::ToggleBorderPalette}},
      {'G', kNone, hidden, {C::CapKeySteps, C::ToggleCharGrid}},
      {'H', kNone, hidden, {C::CapKeySteps, C::TogglePixelGrid}},
      {'W', kNone, hidden, {C::CapKeySteps, C::TogglePixMode}},
      {'E', kNone, hidden, {C::CapKeySteps, C::ToggleRgbMode}},
      {'X', kCtrl, hidden, {C::CapKeySteps, C::FlipCorrector}},
      {'X', kAlt, hidden, {C::CapKeySteps}},
      {'K', kNone, hidden, {C::ChooseInstrument, C::CapKeySteps}},
      {'M', kShift, hidden, {C::CapKeySteps, C::ViewMix}},
      {'F', kNone, hidden, {C::CapKeySteps, C::ViewFlicker}},
      {'I', kNone, hidden, {C::CapKeySteps, C::ViewInterlace}},
      {'T', kNone, hidden, {C::CapKeySteps, C::ViewScreen0}},
      {'U', kNone, hidden, {C::CapKeySteps, C::ViewScreen1}},
      {'R', kNone, hidden, {C::CapKeySteps, C::ViewFlickerRisk}},
      {'R', kCtrl, hidden, {C::CapKeySteps}},
  };
  for (const Row& r : rows)
    EXPECT_EQ(DecodeKey(r.key, r.mods, r.context), r.commands)
        << "key " << r.key << " ctrl " << r.mods.ctrl << " alt " << r.mods.alt;
}

TEST(KeyTable, InstrumentKeysChooseTheirInstruments) {
  const std::pair<int, Instrument> keys[] = {{'P', Instrument::Paint}, {'N', Instrument::FillChar},
                                             {'S', Instrument::Select}, {'L', Instrument::Line},
                                             {'J', Instrument::Rect},   {'D', Instrument::Ellipse},
                                             {'K', Instrument::Fill}};
  for (const auto& [key, instrument] : keys) {
    ASSERT_NE(InstrumentForKey(key), nullptr) << char(key);
    EXPECT_EQ(InstrumentForKey(key)->value, instrument) << char(key);
  }
  EXPECT_EQ(InstrumentForKey('Z'), nullptr);
}

TEST(KeyTable, CursorStepsGrowToSixPicturePixelsUntilAKeyIsReleased) {
  int count = 0;
  std::vector<int> steps;
  for (int i = 0; i < 8; ++i) {
    count = std::min(count, 5);  // every key press caps the count first
    steps.push_back(NextCursorStep(count, 12));
  }
  EXPECT_EQ(steps, (std::vector<int>{12, 24, 36, 48, 60, 72, 72, 72}));
}

}  // namespace
}  // namespace cs
