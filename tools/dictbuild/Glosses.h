// English glosses (characters: kDefinition, else CC-CEDICT; words: CC-CEDICT senses) and
// the Chinese dictionary text of each character, all as GBK bytes within 255.
#pragma once

#include <string>
#include <string_view>

#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/Sources.h"

namespace dazi::dictbuild {

inline constexpr std::size_t kMaxGlossBytes = 255;

// UTF-8 gloss text -> GBK, senses separated by "; ", cut at a whole character within
// kMaxGlossBytes. Characters without a GBK code become '?'.
std::string GbkGloss(std::string_view utf8Senses);

// Character glosses by HanziIndex.
std::vector<std::string> CharacterGlosses(const Sources& sources);

// "中【zhōng，zhòng】部首丨，4画。词语：中国 中间…" in GBK, full-width letters.
std::string DictionaryText(const Sources& sources, const Model& model, int hanziIndex,
                           const std::vector<std::string>& exampleWords);

}  // namespace dazi::dictbuild
