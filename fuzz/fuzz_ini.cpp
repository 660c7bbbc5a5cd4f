// Round trip of the INI reader and writer: SetIniKeys over arbitrary text
// must give every key it sets its new value and leave every other key of the
// text with the value it had. Names and values are kept to what an INI line
// can hold: no line breaks, no brackets in names, no '=' or ';' in key names,
// and no blanks at either end (the reader trims them).
#include <fuzzer/FuzzedDataProvider.h>

#include <optional>

#include "fuzz/ini_check.h"

namespace {

using cs::fuzz::IniName;

// `s` without the characters of `bad` and without blanks at its ends.
std::string cleaned(std::string s, std::string_view bad) {
  std::erase_if(s, [&](char c) { return bad.find(c) != std::string_view::npos; });
  return std::string(cs::fuzz::TrimIniBlanks(s));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const cs::fuzz::IniInput in = cs::fuzz::SplitIniInput(data, size);
  FuzzedDataProvider choose(in.choices.data(), in.choices.size());
  const std::vector<IniName> names = cs::fuzz::IniNamesIn(in.text);
  // Mostly a name the text already has, so keys are replaced and sections
  // extended as often as new ones are added.
  const auto pick = [&](std::string IniName::*member, std::string_view bad) {
    const uint8_t which = choose.ConsumeIntegral<uint8_t>();
    if (!names.empty() && which < 192) return cleaned(names[which % names.size()].*member, bad);
    return cleaned(choose.ConsumeRandomLengthString(24), bad);
  };
  const std::string section = pick(&IniName::section, "\r\n[]");
  cs::IniKeys keys;
  std::vector<std::string> keyNames;
  std::vector<std::optional<int>> numbers;
  for (int n = choose.ConsumeIntegralInRange(1, 6); n > 0; --n) {
    keyNames.push_back(pick(&IniName::key, "\r\n[]=;"));
    std::optional<int> number;
    std::string value;
    if (choose.ConsumeBool()) {
      number = choose.ConsumeIntegral<int>();
      value = (*number >= 0 && choose.ConsumeBool() ? "+" : "") + std::to_string(*number);
    } else {
      value = cleaned(choose.ConsumeRandomLengthString(24), "\r\n");
    }
    keys.emplace_back(keyNames.back(), value);
    numbers.push_back(number);
  }

  const std::string out = cs::SetIniKeys(in.text, section, keys);
  const cs::IniDocument before = cs::IniDocument::Parse(in.text);
  const cs::IniDocument after = cs::IniDocument::Parse(out);
  cs::fuzz::CheckOtherKeysKept(before, after, names, section, keyNames);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    // A key given twice ends with its later value.
    const auto later =
        std::find_if(keys.begin() + static_cast<std::ptrdiff_t>(i) + 1, keys.end(),
                     [&](const auto& k) { return cs::fuzz::SameIniName(k.first, keys[i].first); });
    if (later != keys.end()) continue;
    if (after.value(section, keys[i].first) != keys[i].second) std::abort();
    if (numbers[i] && after.readInteger(section, keys[i].first, ~*numbers[i]) != *numbers[i]) std::abort();
  }
  return 0;
}
