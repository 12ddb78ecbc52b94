// Which characters everyday text does not use: rare radical forms (疒, 氵) and chemical
// elements (铪, 锕) that would otherwise stand on the first page of everyday syllables (ne,
// shui, ha, a) as the main readings of their own.
#pragma once

#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/Sources.h"

namespace dazi::dictbuild {

// Characters at least as frequent as the this-many most frequent ones stay in everyday use
// whatever they name (氧 oxygen, 碳 carbon).
inline constexpr std::size_t kEverydayCharacters = 3000;

// Clears CharData::everydayUse of the characters outside the kEverydayCharacters most
// frequent whose every CC-CEDICT entry names a radical or a chemical element.
void MarkEverydayUse(const Sources& sources, Model* model);

}  // namespace dazi::dictbuild
