#include "model/translatable.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <set>

namespace cs {

namespace {

// The patterns of this run; a pattern is a string literal, so the set stays
// as small as the number of messages the core can compose.
struct PatternRegistry {
  std::mutex mutex;
  std::set<std::string, std::less<>> patterns;
};

PatternRegistry& registry() {
  static PatternRegistry instance;
  return instance;
}

void remember(std::string_view pattern) {
  PatternRegistry& r = registry();
  const std::lock_guard lock(r.mutex);
  if (r.patterns.find(pattern) == r.patterns.end()) r.patterns.emplace(pattern);
}

// The placeholder %1..%9 at `p`, as an index from 0, or -1.
int placeholderAt(std::string_view text, std::size_t p) {
  if (p + 1 < text.size() && text[p] == '%' && text[p + 1] >= '1' && text[p + 1] <= '9') return text[p + 1] - '1';
  return -1;
}

using Values = std::array<std::optional<std::string>, 9>;

// `pattern` with each %N that has a value replaced by it.
std::string fill(std::string_view pattern, const Values& values) {
  std::string out;
  for (std::size_t p = 0; p < pattern.size(); ++p) {
    const int n = placeholderAt(pattern, p);
    if (n >= 0 && values[std::size_t(n)]) {
      out += *values[std::size_t(n)];
      ++p;
    } else {
      out += pattern[p];
    }
  }
  return out;
}

// A pattern taken apart into its words and its placeholders.
struct Piece {
  std::string_view literal;
  int placeholder = -1;  // the index of a placeholder piece, else -1
};

std::vector<Piece> piecesOf(std::string_view pattern) {
  std::vector<Piece> pieces;
  std::size_t start = 0;
  for (std::size_t p = 0; p < pattern.size(); ++p) {
    const int n = placeholderAt(pattern, p);
    if (n < 0) continue;
    if (p > start) pieces.push_back({pattern.substr(start, p - start)});
    pieces.push_back({{}, n});
    start = ++p + 1;
  }
  if (start < pattern.size()) pieces.push_back({pattern.substr(start)});
  return pieces;
}

std::size_t literalLength(const std::vector<Piece>& pieces) {
  std::size_t n = 0;
  for (const Piece& piece : pieces) n += piece.literal.size();
  return n;
}

// Finds the ways `text` is `pieces` with values in the placeholders, fewest
// characters to the earlier values first, and hands each to `accept` until it
// takes one. A placeholder used twice must stand for the same text both
// times. `budget` bounds the search on texts that fit a pattern many ways.
class Matcher {
 public:
  using Accept = std::function<bool(const Values&)>;
  Matcher(const std::vector<Piece>& pieces, std::string_view text, const Accept& accept)
      : pieces_(pieces), text_(text), accept_(accept) {}
  bool run() { return match(0, 0); }

 private:
  bool match(std::size_t piece, std::size_t pos) {
    if (--budget_ < 0) return false;
    if (piece == pieces_.size()) return pos == text_.size() && accept_(values_);
    const Piece& p = pieces_[piece];
    const std::string_view rest = text_.substr(pos);
    if (p.placeholder < 0) return rest.starts_with(p.literal) && match(piece + 1, pos + p.literal.size());
    std::optional<std::string>& value = values_[std::size_t(p.placeholder)];
    if (value) return rest.starts_with(*value) && match(piece + 1, pos + value->size());
    const bool last = piece + 1 == pieces_.size();
    const std::string_view next = last ? std::string_view() : pieces_[piece + 1].literal;
    for (std::size_t end = pos; end <= text_.size(); ++end) {
      if (last) end = text_.size();
      else if (!next.empty() && (end = text_.find(next, end)) == std::string_view::npos) break;
      value = std::string(text_.substr(pos, end - pos));
      if (match(piece + 1, end)) return true;
      if (budget_ < 0) break;
    }
    value.reset();
    return false;
  }

  const std::vector<Piece>& pieces_;
  std::string_view text_;
  const Accept& accept_;
  Values values_;
  int budget_ = 1000;
};

struct Pattern {
  std::string_view text;
  std::vector<Piece> pieces;
};

std::string translate(std::string_view english, const TextLookup& lookup,
                      const std::vector<Pattern>& patterns) {
  const std::string text(english);
  if (text.empty()) return text;
  if (auto whole = lookup(text)) return *whole;

  std::string result;
  for (const Pattern& pattern : patterns) {
    // The first reading that changes anything: a pattern without a
    // translation of its own may still hold values that have one.
    const Matcher::Accept accept = [&](const Values& values) {
      Values translated;
      for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i]) translated[i] = translate(*values[i], lookup, patterns);
      const std::string key(pattern.text);
      result = fill(lookup(key).value_or(key), translated);
      return result != text;
    };
    if (Matcher(pattern.pieces, text, accept).run()) return result;
  }

  if (text.find('\n') == std::string::npos) return text;
  std::string lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    lines += translate(std::string_view(text).substr(start, end - start), lookup, patterns);
    if (end == std::string::npos) break;
    lines += '\n';
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::string FormatText(const char* pattern, std::initializer_list<std::string> args) {
  remember(pattern);
  Values values;
  std::size_t i = 0;
  for (const std::string& arg : args)
    if (i < values.size()) values[i++] = arg;
  return fill(pattern, values);
}

std::vector<std::string> ComposedPatterns() {
  PatternRegistry& r = registry();
  const std::lock_guard lock(r.mutex);
  return {r.patterns.begin(), r.patterns.end()};
}

std::string TranslateText(std::string_view english, const TextLookup& lookup,
                          const std::vector<std::string>& patterns) {
  // The patterns with most words first, so that "%1: %2" comes after every
  // message it could also be read as; one of values alone would fit any text.
  std::vector<Pattern> candidates;
  for (const std::string& pattern : patterns) {
    Pattern p{pattern, piecesOf(pattern)};
    if (literalLength(p.pieces) > 0) candidates.push_back(std::move(p));
  }
  std::stable_sort(candidates.begin(), candidates.end(), [](const Pattern& a, const Pattern& b) {
    return literalLength(a.pieces) > literalLength(b.pieces);
  });
  return translate(english, lookup, candidates);
}

std::string TranslateText(std::string_view english, const TextLookup& lookup) {
  return TranslateText(english, lookup, ComposedPatterns());
}

}  // namespace cs
