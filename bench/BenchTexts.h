// The texts the benchmarks run on: a configuration text of a chosen size
// with the usual landmarks, and a component file of a chosen number of
// blocks in the mix a real component has.
#pragma once

#include <cstddef>
#include <string>

namespace formfit::bench {

// A configuration text of about `size` bytes: a tenth of it forms, most of
// it controls, the rest key lines of the three parts.
std::string Configuration(std::size_t size);

// `blocks` blocks: new controls and forms, extensions of existing forms and
// controls in turn, and "+" entries in all three parts.
std::string ComponentFile(int blocks);

}  // namespace formfit::bench
