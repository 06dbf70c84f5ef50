#include "base/SequenceDiff.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <stdexcept>

namespace formfit {

namespace {

// Above this many edits in one search the middle of the best path found so
// far splits the problem instead of the exact middle snake.
constexpr int kCostLimit = 4096;

// The furthest x reached on a diagonal, or none yet.
constexpr int kForwardNone = -1;
constexpr int kBackwardNone = INT_MAX;

struct Split {
  int x;
  int y;
};

// Divide and conquer on the middle snake over two sequences whose elements
// all occur on both sides, marking the matched elements.
class MiddleSnakeSearch {
 public:
  MiddleSnakeSearch(const std::vector<int>& a, const std::vector<int>& b)
      : a_(a), b_(b), aMatched_(a.size(), false), bMatched_(b.size(), false) {}

  const std::vector<bool>& AMatched() const { return aMatched_; }
  const std::vector<bool>& BMatched() const { return bMatched_; }

  void Compare(int aLo, int aHi, int bLo, int bHi) {
    for (;;) {
      while (aLo < aHi && bLo < bHi && a_[aLo] == b_[bLo]) Match(aLo++, bLo++);
      while (aLo < aHi && bLo < bHi && a_[aHi - 1] == b_[bHi - 1]) Match(--aHi, --bHi);
      // What is left on one side only stays marked as changed.
      if (aLo == aHi || bLo == bHi) return;
      const Split split = FindSplit(aLo, aHi, bLo, bHi);
      Compare(aLo, split.x, bLo, split.y);
      // The second half as a loop: a long run of costly splits must not
      // deepen the stack.
      aLo = split.x;
      bLo = split.y;
    }
  }

 private:
  void Match(int x, int y) {
    aMatched_[static_cast<std::size_t>(x)] = true;
    bMatched_[static_cast<std::size_t>(y)] = true;
  }

  // A point on a shortest path from (aLo, bLo) to (aHi, bHi) that is neither
  // end, found by running the search from both ends until they meet. The
  // ends differ on both sides, so the path costs at least two edits.
  Split FindSplit(int aLo, int aHi, int bLo, int bHi) {
    const int n = aHi - aLo;
    const int m = bHi - bLo;
    const int delta = n - m;
    const bool odd = delta % 2 != 0;
    const int maxD = std::min((n + m + 1) / 2, kCostLimit);
    const std::size_t size = 2 * static_cast<std::size_t>(maxD + 2) + 1;
    if (forward_.size() < size) {
      forward_.resize(size);
      backward_.resize(size);
    }
    const int offset = maxD + 2;
    // Forward diagonals are numbered k = x - y; backward ones are stored
    // relative to the end diagonal delta.
    auto fwd = [&](int k) -> int& { return forward_[static_cast<std::size_t>(k + offset)]; };
    auto bwd = [&](int k) -> int& {
      return backward_[static_cast<std::size_t>(k - delta + offset)];
    };
    const int* a = a_.data() + aLo;
    const int* b = b_.data() + bLo;

    for (int d = 0;; ++d) {
      fwd(-d - 1) = kForwardNone;
      fwd(d + 1) = kForwardNone;
      for (int k = -d; k <= d; k += 2) {
        int x = 0;
        if (d > 0) {
          const int down = fwd(k + 1);  // an insertion from diagonal k + 1
          const int right = fwd(k - 1) == kForwardNone ? kForwardNone : fwd(k - 1) + 1;
          const bool downOk = down != kForwardNone && down - k <= m;
          const bool rightOk = right != kForwardNone && right <= n;
          if (!downOk && !rightOk) {
            fwd(k) = kForwardNone;
            continue;
          }
          x = !rightOk || (downOk && down >= right) ? down : right;
        }
        int y = x - k;
        while (x < n && y < m && a[x] == b[y]) ++x, ++y;
        fwd(k) = x;
        if (odd && k - delta >= -(d - 1) && k - delta <= d - 1 && bwd(k) != kBackwardNone &&
            x >= bwd(k)) {
          return {aLo + x, bLo + y};
        }
      }
      bwd(delta - d - 1) = kBackwardNone;
      bwd(delta + d + 1) = kBackwardNone;
      for (int k = delta - d; k <= delta + d; k += 2) {
        int x = n;
        if (d > 0) {
          const int left = bwd(k + 1) == kBackwardNone ? kBackwardNone : bwd(k + 1) - 1;
          const int up = bwd(k - 1);  // an insertion, seen from its end
          const bool leftOk = left != kBackwardNone && left >= 0;
          const bool upOk = up != kBackwardNone && up - k >= 0;
          if (!leftOk && !upOk) {
            bwd(k) = kBackwardNone;
            continue;
          }
          x = !leftOk || (upOk && up <= left) ? up : left;
        }
        int y = x - k;
        while (x > 0 && y > 0 && a[x - 1] == b[y - 1]) --x, --y;
        bwd(k) = x;
        if (!odd && k >= -d && k <= d && fwd(k) != kForwardNone && x <= fwd(k)) {
          return {aLo + x, bLo + y};
        }
      }
      if (d >= maxD) return FurthestForward(d, fwd, aLo, bLo);
    }
  }

  // The forward point that got furthest after d edits. It lies past the
  // start, and short of the end, which the two searches would have met at.
  template <typename Fwd>
  static Split FurthestForward(int d, Fwd& fwd, int aLo, int bLo) {
    Split best{aLo, bLo};
    long long bestReach = -1;
    for (int k = -d; k <= d; k += 2) {
      const int x = fwd(k);
      if (x == kForwardNone) continue;
      const long long reach = 2LL * x - k;
      if (reach > bestReach) {
        bestReach = reach;
        best = {aLo + x, bLo + x - k};
      }
    }
    return best;
  }

  const std::vector<int>& a_;
  const std::vector<int>& b_;
  std::vector<bool> aMatched_;
  std::vector<bool> bMatched_;
  std::vector<int> forward_;
  std::vector<int> backward_;
};

// Per id, whether `ids` holds it: one byte each, as ids are few beside
// the elements.
std::vector<char> Present(const std::vector<int>& ids) {
  std::vector<char> present;
  for (int id : ids) {
    const std::size_t at = static_cast<std::size_t>(id);
    if (at >= present.size()) present.resize(at + 1, 0);
    present[at] = 1;
  }
  return present;
}

// Keeps in `ids` the elements whose id `other` holds, in order, and marks
// each element of the whole sequence by whether it was kept.
std::vector<bool> KeepShared(std::vector<int>& ids, const std::vector<char>& other) {
  std::vector<bool> kept(ids.size(), false);
  std::size_t count = 0;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const std::size_t id = static_cast<std::size_t>(ids[i]);
    if (id >= other.size() || other[id] == 0) continue;
    kept[i] = true;
    ids[count++] = ids[i];
  }
  ids.resize(count);
  return kept;
}

// The elements of the whole sequence outside the match: those not kept, and
// the kept ones the search left unmatched. Turns `kept` into the result.
std::vector<bool> Unmatched(std::vector<bool> kept, const std::vector<bool>& matched) {
  std::size_t next = 0;
  for (std::size_t i = 0; i < kept.size(); ++i) kept[i] = !(kept[i] && matched[next++]);
  return kept;
}

}  // namespace

SequenceChanges DiffSequences(std::vector<int> a, std::vector<int> b) {
  if (a.size() + b.size() > static_cast<std::size_t>(INT_MAX / 4)) {
    throw std::length_error("sequences too long to compare");
  }
  const std::vector<char> inA = Present(a);
  const std::vector<char> inB = Present(b);

  // An element whose id the other side lacks can never match: it is changed
  // for certain, and the search runs over the rest only. So two texts that
  // share little cost little. The rest stays in place of the whole, so that
  // long sequences are held once.
  std::vector<bool> aKept = KeepShared(a, inB);
  std::vector<bool> bKept = KeepShared(b, inA);
  MiddleSnakeSearch search(a, b);
  search.Compare(0, static_cast<int>(a.size()), 0, static_cast<int>(b.size()));
  return {Unmatched(std::move(aKept), search.AMatched()),
          Unmatched(std::move(bKept), search.BMatched())};
}

}  // namespace formfit
