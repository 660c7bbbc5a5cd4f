// The local search of balancing, on the sums of FlickerSearch: single cells
// exchange while one lowers the score, looking again only at the cells near
// an exchange made; then blocks of cells are tried to reach a lower optimum.
#include <algorithm>
#include <vector>

#include "colour/flicker_search.h"

namespace cs {

std::vector<SearchCell> CellsToSearch(int h, const LineMasks& allowed) {
  std::vector<SearchCell> cells;
  for (int c = 0; c < kColumns; ++c) {
    const int n = cellLines(h, c);
    for (int y = 0; y < kLines; y += n)
      if (allowed[std::size_t(c)][std::size_t(y)]) cells.push_back({int16_t(c), int16_t(y), int16_t(n)});
  }
  return cells;
}

namespace {

// Single exchanges while they lower the sum, looking again only at the cells
// near an exchange made.
class Descent {
 public:
  Descent(FlickerSearch& search, const std::vector<SearchCell>& cells, SearchResult& result)
      : search_(search), cells_(cells), result_(result), cellAt_(kColumns * kLines, -1),
        ring_(cells.size() + 1), queued_(cells.size(), 0) {
    for (std::size_t i = 0; i < cells.size(); ++i)
      cellAt_[std::size_t(cells[i].column * kLines + cells[i].top)] = int(i);
    result_.exchanged.assign(cells.size(), 0);
  }

  void queueAll() {
    for (std::size_t i = 0; i < cells_.size(); ++i) queue(int(i));
  }

  // Exchanges cell i whatever it costs; its change.
  double force(int i, std::vector<int>* log) {
    const double change = search_.change(cells_[std::size_t(i)]);
    exchange(i, change, log);
    return change;
  }

  // Runs until no queued cell lowers the sum or the budget is spent; the
  // change of the sum.
  double run(long& budget, std::vector<int>* log) {
    double total = 0;
    while (waiting_ > 0) {
      if (budget-- <= 0) {
        result_.finished = false;
        break;
      }
      const int i = ring_[head_];
      head_ = (head_ + 1) % ring_.size();
      --waiting_;
      queued_[std::size_t(i)] = 0;
      const double change = search_.change(cells_[std::size_t(i)]);
      if (change >= -kSearchGain) continue;
      exchange(i, change, log);
      total += change;
    }
    return total;
  }

  // Takes back the exchanges of `log`, newest first.
  void undo(const std::vector<int>& log) {
    for (auto i = log.rbegin(); i != log.rend(); ++i) {
      search_.exchange(cells_[std::size_t(*i)]);
      result_.exchanged[std::size_t(*i)] ^= 1;
    }
  }

  std::size_t size() const { return cells_.size(); }
  // The cell of `column` that holds `line`, or -1.
  int cellOver(int column, int line) const {
    if (column < 0 || column >= kColumns) return -1;
    for (int y = line; y >= 0 && y > line - 8; --y)
      if (const int k = cellAt_[std::size_t(column * kLines + y)]; k >= 0) return k;
    return -1;
  }

 private:
  void queue(int k) {
    if (queued_[std::size_t(k)]) return;
    queued_[std::size_t(k)] = 1;
    ring_[tail_] = k;
    tail_ = (tail_ + 1) % ring_.size();
    ++waiting_;
  }

  void exchange(int i, double change, std::vector<int>* log) {
    const SearchCell& c = cells_[std::size_t(i)];
    search_.exchange(c);
    result_.exchanged[std::size_t(i)] ^= 1;
    result_.change += change;
    if (log) log->push_back(i);
    // The cells whose reach overlaps this one's: two columns either side,
    // and cells starting from 22 lines above to 14 below this one's end.
    const int yFirst = std::max(0, c.top - 22), yLast = std::min(kLines - 1, c.top + c.lines + 14);
    for (int col = std::max(0, c.column - 2); col <= std::min(kColumns - 1, c.column + 2); ++col)
      for (int y = yFirst; y <= yLast; ++y)
        if (const int k = cellAt_[std::size_t(col * kLines + y)]; k >= 0) queue(k);
  }

  FlickerSearch& search_;
  const std::vector<SearchCell>& cells_;
  SearchResult& result_;
  std::vector<int> cellAt_;  // by column and first line: the cell's index, or -1
  std::vector<int> ring_;    // the cells to look at, each at most once
  std::vector<char> queued_;
  std::size_t head_ = 0, tail_ = 0, waiting_ = 0;
};

}  // namespace

SearchResult SearchExchanges(FlickerSearch& search, const std::vector<SearchCell>& cells, long budget,
                             long kickBudget) {
  SearchResult result;
  Descent descent(search, cells, result);
  if (cells.empty()) return result;
  // Every cell is looked at again and again: its parts are summed once.
  search.keepReaches(cells);
  descent.queueAll();
  descent.run(budget, nullptr);
  if (!result.finished) return result;
  // Out of the local optimum: a block of 2 x 2 cells (or what of it lies
  // in the list) is exchanged whatever it costs, and the descent goes on
  // from there. The round is kept when the sum ends lower, else taken back,
  // so every round ends in a local optimum again; the blocks are chosen
  // by a fixed sequence, so a picture always balances alike.
  uint32_t rng = 2463534242u;
  std::vector<int> log;
  while (kickBudget > 0) {
    rng ^= rng << 13, rng ^= rng >> 17, rng ^= rng << 5;
    const SearchCell& at = cells[rng % cells.size()];
    log.clear();
    const double before = result.change;
    for (int column = at.column; column < at.column + 2; ++column) {
      const int first = descent.cellOver(column, at.top);
      for (int k = first; k >= 0 && k < first + 2 && std::size_t(k) < cells.size() && cells[std::size_t(k)].column == column;
           ++k)
        descent.force(k, &log);
    }
    descent.run(kickBudget, &log);
    if (result.finished && result.change - before < -kSearchGain) continue;
    descent.undo(log);
    result.change = before;
    result.finished = true;
  }
  return result;
}

}  // namespace cs
