// The words of the word drills: ranked by how often everyday text uses them, open-gram's
// word frequencies (web text) taken together with jieba's (news and books), without the
// words that do not belong in a drill: names of people and places, organisations and other
// proper nouns (the heroes of novels among them), and number phrases, as jieba tags them.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dazi::lessonbuild {

struct TaggedWord {
  long count = 0;
  std::string tag;  // jieba's part of speech: "n", "nr", "ns", "m", ...
};

// Reads jieba's dict.txt lines "word count tag"; empty error on success.
std::string LoadTaggedJieba(const std::string& path,
                            std::unordered_map<std::string, TaggedWord>* out);

// Whether a word may stand in a drill: jieba knows it, and it is no name, proper noun or
// number phrase.
bool IsDrillWord(std::string_view utf8, const std::unordered_map<std::string, TaggedWord>& jieba);

// Every word of open-gram's model (from the sunpinyin-data folder dir) with its unigram
// probability. Empty error on success.
std::string LoadEverydayUse(const std::string& dir, std::unordered_map<std::string, double>* out);

}  // namespace dazi::lessonbuild
