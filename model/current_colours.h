// The four current colours the pen paints with, the selected mix and the
// rules by which the palette controls change them.
#pragma once

#include <cstdint>

#include "model/colour.h"

namespace cs {

// The four roles, in the order of the palette strips.
enum class Role { Ink0, Pap0, Ink1, Pap1 };

struct CurrentColours {
  uint8_t ink0 = 0;  // CurInk0: screen 0, clear pixel bits
  uint8_t pap0 = 0;  // CurPap0: screen 0, set pixel bits
  uint8_t ink1 = 0;  // CurInk1
  uint8_t pap1 = 0;  // CurPap1
  int mix = 0;       // CurMix = 2 * bit0 + bit1
  int bit0 = 0;      // CurBit0: pixel bit painted on screen 0
  int bit1 = 0;      // CurBit1: pixel bit painted on screen 1

  uint8_t& role(Role r);
  uint8_t role(Role r) const;
  // Screen-0 and screen-1 colour indices of mix n (0..3).
  uint8_t mixScreen0(int n) const { return n / 2 ? pap0 : ink0; }
  uint8_t mixScreen1(int n) const { return n % 2 ? pap1 : ink1; }
  Rgb mixColour(const MixTable& t, int n) const { return t.at(mixScreen0(n), mixScreen1(n)); }
};

// The other colour of the same screen.
Role partnerOf(Role r);

// Sets one role and couples the brightness of its partner on the same screen.
void SetRoleColour(CurrentColours& cc, Role r, uint8_t index);
// Selects mix n: its two pixel bits follow.
void SelectMix(CurrentColours& cc, int n);
// A role button: sets one screen's bit, the other screen's bit stays.
void ChooseScreenBit(CurrentColours& cc, int screen, int bit);
// A press at x on a 16-pixel-swatch colour strip of role r.
void PickStripColour(CurrentColours& cc, Role r, int x);
// A press at (x, y) on the full mix palette: the screen-0 colour of the
// current mix becomes column x / 16, the screen-1 colour row y / 16.
void PickMixPair(CurrentColours& cc, int x, int y);

}  // namespace cs
