// The exact search of balancing: the change of the flicker score for
// exchanging one cell's screens, kept up to date as cells are exchanged,
// and the local search built on it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "colour/flicker_sums.h"
#include "model/picture.h"

namespace cs {

// A cell: its byte column, first line and number of lines.
struct SearchCell {
  int16_t column, top, lines;
};

// The smallest change of the search's sum taken as a gain: far below what
// one luma level in one box moves, far above the rounding of the sums.
inline constexpr double kSearchGain = 1e-7;

class FlickerSearch {
 public:
  explicit FlickerSearch(const Picture& pic);
  // Only for cells within lines `firstLine` ... `lastLine`: the sums are
  // made for the lines those cells reach alone.
  FlickerSearch(const Picture& pic, int firstLine, int lastLine);
  ~FlickerSearch();
  FlickerSearch(const FlickerSearch&) = delete;
  FlickerSearch& operator=(const FlickerSearch&) = delete;

  // How much exchanging the cell would change the sum over all pixels of
  // their mean |d| over the box; the score is that sum / (256 * 192).
  double change(const SearchCell& cell) const;
  // Exchanges the cell in the search's copy of d and box sums (not in the
  // Picture).
  void exchange(const SearchCell& cell);
  // Keeps the parts each of `cells` adds to the box sums it reaches, so that
  // looking at a cell again need not sum them anew (about a megabyte for
  // every cell of a picture).
  void keepReaches(const std::vector<SearchCell>& cells);
  // Sums without the vector instructions, which must choose alike.
  void usePlainPath();

 private:
  struct State;
  std::unique_ptr<State> s_;
};

// The cells that `allowed` marks, at cell height `h`.
std::vector<SearchCell> CellsToSearch(int h, const LineMasks& allowed);

struct SearchResult {
  std::vector<char> exchanged;  // per cell of the list
  double change = 0;            // of the search's sum
  bool finished = true;         // no single exchange lowers the sum any more
};

// Exchanges cells of `cells` one at a time while one lowers the sum, until
// none does or `budget` cells have been looked at. Then, while `kickBudget`
// lasts (cells looked at), tries to leave that local optimum for a lower
// one: blocks of cells exchanged at once, each followed by the descent.
SearchResult SearchExchanges(FlickerSearch& search, const std::vector<SearchCell>& cells, long budget,
                             long kickBudget = 0);

}  // namespace cs
