// The selection dump's INI text over an arbitrary existing one: its section
// must hold the selection clipped to the Picture (exactly the selection when
// it lies inside), the cell height and the pixel order, and every other key
// must keep its value.
#include <fuzzer/FuzzedDataProvider.h>

#include "formats/selection_dump.h"
#include "fuzz/ini_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* const kSection = "chromaSmithSelection";
  static const std::vector<std::string> kKeys = {
      "x", "y", "width", "height", "MGS_VertSize", "pixMode", "pixModeString"};
  const cs::fuzz::IniInput in = cs::fuzz::SplitIniInput(data, size);
  FuzzedDataProvider choose(in.choices.data(), in.choices.size());
  cs::Selection sel;
  sel.left = choose.ConsumeIntegral<int>();
  sel.top = choose.ConsumeIntegral<int>();
  sel.width = choose.ConsumeIntegral<int>();
  sel.height = choose.ConsumeIntegral<int>();
  const int cellHeight = choose.PickValueInArray({8, 4, 2, 1});
  const int pixMode = choose.ConsumeIntegralInRange(-1, 2);

  const std::string out = cs::SelectionIniText(in.text, sel, cellHeight, pixMode);
  const cs::IniDocument before = cs::IniDocument::Parse(in.text);
  const cs::IniDocument after = cs::IniDocument::Parse(out);
  cs::fuzz::CheckOtherKeysKept(before, after, cs::fuzz::IniNamesIn(in.text), kSection, kKeys);

  const auto read = [&](const char* key) { return after.readInteger(kSection, key, -1); };
  const int rows = cs::kLines / cellHeight;
  const int x = read("x"), y = read("y"), width = read("width"), height = read("height");
  if (x < 0 || y < 0 || width < 0 || height < 0 || width > cs::kColumns - x || height > rows - y)
    std::abort();
  const bool inside = sel.left >= 0 && sel.top >= 0 && sel.width >= 0 && sel.height >= 0 &&
                      sel.width <= cs::kColumns - sel.left && sel.height <= rows - sel.top;
  if (inside && (x != sel.left || y != sel.top || width != sel.width || height != sel.height)) std::abort();
  if (read("MGS_VertSize") != cellHeight) std::abort();
  const bool asScreen = pixMode == cs::kPixModeAsScreen;
  if (read("pixMode") != (asScreen ? 1 : 0)) std::abort();
  if (after.value(kSection, "pixModeString") != (asScreen ? "as screen" : "linear")) std::abort();
  return 0;
}
