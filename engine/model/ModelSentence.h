// The statistical whole-sentence engine's calls: the model file srf_pub.ngm is mapped once at
// start; a conversion fills the same fields as the rule-based ConvertSentence
// (SentenceCodes, SentenceCodeCount, DefaultSentence), so the Left key corrects a model-made
// sentence as it corrects a rule-made one. The model is simplified Chinese: the traditional
// and variant classes keep the rules.
#pragma once

#include <string>
#include <string_view>

namespace dazi {

// Maps srf_pub.ngm of the dictionary folder (engine/core/DataLocation.h). False, with the
// reason, when it is missing or not a model of this format; the rules then stay in use.
bool LoadSentenceModel(std::string* error = nullptr);
void UnloadSentenceModel();
bool SentenceModelLoaded();

// Converts lower-case pinyin letters with the model into SentenceCodes, SentenceCodeCount
// and DefaultSentence. Typing key by key reuses the last call's work. Returns false, changing
// nothing, when no model is loaded or the active class is not simplified.
bool ConvertSentenceByModel(const std::string& pinyin);

// Converts one line of typed pinyin (letters; apostrophes and spaces end a syllable; other
// characters are ignored) into GBK text, without touching the sentence fields. Empty when no
// model is loaded.
std::string ConvertPinyinLineByModel(std::string_view line);

}  // namespace dazi
