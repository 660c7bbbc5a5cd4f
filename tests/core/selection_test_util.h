// Shared set-up of the selection and transform tests: an editor state over a
// random picture, and cell positions in editor-image coordinates.
#pragma once

#include <gtest/gtest.h>

#include "edit/selection.h"
#include "format_test_util.h"

namespace cs::testing {

struct SelectionFixture : ::testing::Test {
  EditorState s;
  void use(int cellHeight, unsigned seed = 1) {
    s.picture = RandomPicture(seed, cellHeight);
    s.undo.planes.fill(0xAA);
  }
  // The editor-image position in the middle of cell (column, row).
  ImagePoint cell(int column, int row) const {
    const int k = s.view.pixelScale(), h = s.picture.cellHeight();
    return {column * 8 * k + 4 * k, row * h * k + h * k / 2};
  }
  void select(int left, int top, int width, int height) {
    s.selection = {true, false, left, top, width, height, left, top};
  }
  bool snapshotTaken(const Picture& before) const { return s.undo.planes == before.planes; }
};

}  // namespace cs::testing
