#include "model/current_colours.h"

#include <algorithm>

namespace cs {

uint8_t& CurrentColours::role(Role r) {
  switch (r) {
    case Role::Ink0: return ink0;
    case Role::Pap0: return pap0;
    case Role::Ink1: return ink1;
    case Role::Pap1: return pap1;
  }
  return ink0;
}

uint8_t CurrentColours::role(Role r) const { return const_cast<CurrentColours&>(*this).role(r); }

Role partnerOf(Role r) {
  switch (r) {
    case Role::Ink0: return Role::Pap0;
    case Role::Pap0: return Role::Ink0;
    case Role::Ink1: return Role::Pap1;
    case Role::Pap1: return Role::Ink1;
  }
  return Role::Ink0;
}

void SetRoleColour(CurrentColours& cc, Role r, uint8_t index) {
  cc.role(r) = std::min<uint8_t>(index, 14);
  CoupleBright(cc.role(partnerOf(r)), cc.role(r));
}

void SelectMix(CurrentColours& cc, int n) {
  cc.mix = std::clamp(n, 0, 3);
  cc.bit0 = cc.mix / 2;
  cc.bit1 = cc.mix % 2;
}

void ChooseScreenBit(CurrentColours& cc, int screen, int bit) {
  (screen == 0 ? cc.bit0 : cc.bit1) = bit ? 1 : 0;
  cc.mix = cc.bit0 * 2 + cc.bit1;
}

void PickStripColour(CurrentColours& cc, Role r, int x) {
  SetRoleColour(cc, r, static_cast<uint8_t>(std::clamp(x / 16, 0, 14)));
}

void PickMixPair(CurrentColours& cc, int x, int y) {
  const auto c = static_cast<uint8_t>(std::clamp(x / 16, 0, 14));
  const auto r = static_cast<uint8_t>(std::clamp(y / 16, 0, 14));
  SetRoleColour(cc, cc.bit0 ? Role::Pap0 : Role::Ink0, c);
  SetRoleColour(cc, cc.bit1 ? Role::Pap1 : Role::Ink1, r);
}

}  // namespace cs
