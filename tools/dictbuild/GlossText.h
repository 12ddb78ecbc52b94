// Readable English glosses from CC-CEDICT's senses. Cross-references "see 比如縣|比如县[Bi3 ru2
// xian4]" become "see 比如县 (Bǐrúxiàn)", classifiers "CL:個|个[ge4],位[wei4]" become
// "measure word: 个, 位", pinyin in brackets gets tone marks. A word's common senses come before
// the senses of its proper-noun entries (大学: university before the Great Learning), a sense
// said twice is kept once, and the GBK text is cut only between senses, or between words when
// a single sense is too long.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dazi::dictbuild {

inline constexpr std::size_t kMaxGlossBytes = 255;

// "Xi1 an1 shi4" -> "Xī'ānshì", "Bi3 ru2 Xian4" -> "Bǐrú Xiàn": tone marks, syllables joined
// (a capital starts a new word), an apostrophe before a, e, o inside a word.
std::string MarkedPinyin(std::string_view numbered);

// One sense without markup (UTF-8); references name the traditional form when traditional.
std::string CleanSense(std::string_view sense, bool traditional);

// UTF-8 -> GBK; a letter without a GBK code becomes its plain letter (ö -> o), any other such
// character is left out.
std::string GbkText(std::string_view utf8);

// GBK senses joined by "; ", repeats left out, as many whole senses as fit in limit bytes; a
// first sense longer than that is cut after its last whole word.
std::string FitSenses(const std::vector<std::string>& gbkSenses, std::size_t limit);

// The gloss of a word (GBK): entries are (proper noun, '/'-separated senses) in source order;
// a sense that refers to the word itself (self, UTF-8) is left out.
std::string WordGloss(const std::vector<std::pair<bool, std::string>>& entries, bool traditional,
                      std::string_view self = {});

}  // namespace dazi::dictbuild
