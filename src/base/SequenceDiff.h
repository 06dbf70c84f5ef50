// Which elements of two sequences of ids a shortest edit script deletes and
// inserts: the difference algorithm under the text diff.
#pragma once

#include <vector>

namespace formfit {

struct SequenceChanges {
  std::vector<bool> deleted;   // per element of the first sequence
  std::vector<bool> inserted;  // per element of the second sequence
};

// The elements outside a longest common subsequence of `a` and `b`. Ids are
// compared for equality only. Time grows with the sizes times the number of
// changes, memory only with the sizes; when the changes are very many, the
// search settles for a near-shortest script rather than take quadratic time.
SequenceChanges DiffSequences(const std::vector<int>& a, const std::vector<int>& b);

}  // namespace formfit
