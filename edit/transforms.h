// The seven block transforms of the Edit menu: mirror left-right and
// top-bottom, a quarter turn clockwise, and cyclic one-pixel shifts. Both
// screens move together, so every pixel keeps its pair of bits and with it
// its mixed colour. They act on the selection rectangle whether or not its
// frame is shown, read only from the state's transform source and write the
// live planes.
#pragma once

#include "model/editor_state.h"

namespace cs {

enum class Transform {
  FlipHorizontal,
  FlipVertical,
  Rotate90,
  RotateRight,
  RotateLeft,
  RotateUp,
  RotateDown
};

// Runs one transform as one undo step. The quarter turn is refused (false:
// no snapshot, nothing written) when the turned block would not fit inside
// the Picture or the rectangle does not lie inside it at the current cell
// height; the others clip the rectangle to the Picture.
bool ApplyTransform(EditorState& s, Transform t);

}  // namespace cs
