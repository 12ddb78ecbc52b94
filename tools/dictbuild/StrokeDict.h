// rime's stroke.dict.yaml: five-class stroke sequences (h s p n z). The file holds the
// Taiwan order first and, after a marker comment, the mainland order; the mainland sequence
// wins where both exist.
#pragma once

#include <string>
#include <vector>

namespace dazi::dictbuild {

// strokes[HanziIndex(cp)] = the character's stroke letters, empty when unknown.
std::string LoadStrokes(const std::string& path, std::vector<std::string>* strokes);

}  // namespace dazi::dictbuild
