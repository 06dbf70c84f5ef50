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
// compared for equality only; they are small, as the numbers of distinct
// elements. Time grows with the sizes times the number of changes, memory
// only with the sizes: beyond the two sequences, which the search works in,
// a few bits per element. When the changes are very many, the search
// settles for a near-shortest script rather than take quadratic time.
SequenceChanges DiffSequences(std::vector<int> a, std::vector<int> b);

}  // namespace formfit
