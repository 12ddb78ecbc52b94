// dazi-console --convert: pinyin lines in, one converted line each out (UTF-8), by the
// whole-sentence engine of choice.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "engine/model/SentenceMethod.h"

namespace dazi::console {

// Converts one line of pinyin: letters (either case), with apostrophes or spaces allowed
// between syllables; other characters are ignored. The rules read the letters alone; the
// model also keeps a syllable from running across an apostrophe or space.
std::string ConvertPinyinLine(std::string_view line, SentenceMethod method);

// Converts every line of in to out. Returns an error text (nothing converted) when the
// model is asked for but not loaded.
std::string ConvertLines(std::istream& in, std::ostream& out, SentenceMethod method);

}  // namespace dazi::console
