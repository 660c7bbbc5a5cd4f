// The instruments of the editor image, in one table: the toolbar's keys,
// the keyboard's instrument keys, the View menu's list and the history's
// step names are all built from it, so an instrument is added by its own
// unit and one row here.
#pragma once

#include <span>

#include "edit/instrument_unit.h"

namespace cs {

struct InstrumentInfo {
  Instrument value;
  const char* keyName;   // objectName of its toolbar key
  const char* iconName;  // objectName of the key's icon image
  const char* icon;      // which drawing the icon shows
  // The texts are English, marked for the core's translation.
  const char* hint;      // the icon's hint ("" for none)
  const char* title;     // its name in the View menu's list
  char key;              // its key, without Ctrl; 0 for none
  const char* stepName;  // the history step of one use
  int group;             // 0: the keys after the zoom and grid keys; 1: after the colours
  InstrumentUnit& (*unit)();
};

// Every instrument, in the toolbar's order within each group.
std::span<const InstrumentInfo> Instruments();
// The row of instrument `n`; the pen's row for an unknown value.
const InstrumentInfo& InstrumentOf(Instrument n);
// The instrument key `key` (an upper-case letter) chooses, if any.
const InstrumentInfo* InstrumentForKey(int key);

}  // namespace cs
