// English glosses (characters: kDefinition, else CC-CEDICT; words: CC-CEDICT senses) and
// the Chinese dictionary text of each character, all as GBK bytes within 255.
#pragma once

#include <string>
#include <string_view>

#include "tools/dictbuild/GlossText.h"
#include "tools/dictbuild/Model.h"
#include "tools/dictbuild/Sources.h"

namespace dazi::dictbuild {

// Character glosses (GBK) by HanziIndex: Unihan's kDefinition, else the senses of the
// character's CC-CEDICT entries (common before proper noun), without repeats.
std::vector<std::string> CharacterGlosses(const Sources& sources, const Model& model);

// "中【zhōng，zhòng】部首丨，4画。词语：中国、中间…" in GBK: pinyin in plain letters with
// GBK's tone-marked vowels, a trailing blank when the bytes are odd (the text is counted in
// two-byte units), no radical that has no GBK code, each example word once.
std::string DictionaryText(const Sources& sources, const Model& model, int hanziIndex,
                           const std::vector<std::string>& exampleWords);

}  // namespace dazi::dictbuild
