#include "tools/dictbuild/GlossText.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "engine/core/Gbk.h"
#include "engine/pinyin/SyllableTable.h"
#include "tools/dictbuild/Pinyin.h"
#include "tools/dictbuild/SourceText.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

// Plain letters of U+00C0..U+00FF and U+0100..U+017F, for letters GBK lacks (ö, ñ, ł).
constexpr std::string_view kLatin1Letters =
    "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
constexpr std::string_view kLatinExtendedLetters =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSs"
    "SsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

bool IsAscii(char ch) {
  return static_cast<unsigned char>(ch) < 0x80;
}

std::string Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

// "個|个" -> 个 (个 when traditional); a run without a bar as it is.
std::string ChooseForm(std::string_view run, bool traditional) {
  const std::size_t bar = run.find('|');
  if (bar == std::string_view::npos) return std::string(run);
  return std::string(traditional ? run.substr(0, bar) : run.substr(bar + 1));
}

// "CL:個|个[ge4],位[wei4]" -> "measure word: 个, 位".
std::string MeasureWords(std::string_view list, bool traditional) {
  std::string out;
  while (!list.empty()) {
    std::string_view item = NextField(&list, ',');
    item = item.substr(0, item.find('['));
    const std::string form = Trim(ChooseForm(item, traditional));
    if (!form.empty()) out += (out.empty() ? "" : ", ") + form;
  }
  return out.empty() ? "" : "measure word: " + out;
}

// Lower-case key under which two senses count as the same.
std::string SenseKey(std::string_view gbk) {
  std::string key;
  for (char ch : gbk) key += ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
  return key;
}

// The GBK text cut after its last whole word within limit bytes.
std::string CutAtWord(const std::string& gbk, std::size_t limit) {
  std::size_t end = 0, lastSpace = 0;
  while (end < gbk.size()) {
    const std::size_t step = IsAscii(gbk[end]) ? 1 : 2;
    if (end + step > limit) break;
    if (gbk[end] == ' ') lastSpace = end;
    end += step;
  }
  if (end < gbk.size() && lastSpace > 0) end = lastSpace;
  std::string out = gbk.substr(0, end);
  while (!out.empty() && std::string_view(" ,;:(-").find(out.back()) != std::string_view::npos)
    out.pop_back();
  return out;
}

// Whether a clean sense refers to the form self as a whole word ("variant of 这么 (zhème)"),
// not to a longer word that contains it ("used in 鼩鼱 (qújīng)" for 鼱).
bool RefersTo(const std::string& sense, std::string_view self) {
  if (self.empty()) return false;
  const std::string reference = std::string(self) + " (";
  for (std::size_t at = sense.find(reference); at != std::string::npos;
       at = sense.find(reference, at + 1))
    if (at == 0 || IsAscii(sense[at - 1])) return true;
  return false;
}

}  // namespace

std::string MarkedPinyin(std::string_view numbered) {
  // Syllables written together ("gao1li4cai4") are separated after their tone numbers.
  std::string spaced;
  for (std::size_t k = 0; k < numbered.size(); ++k) {
    spaced += numbered[k];
    if (numbered[k] >= '1' && numbered[k] <= '5' && k + 1 < numbered.size() &&
        std::isalpha(static_cast<unsigned char>(numbered[k + 1])))
      spaced += ' ';
  }
  numbered = spaced;
  std::string out;
  bool afterSyllable = false;
  while (!numbered.empty()) {
    const std::string_view token = NextField(&numbered, ' ');
    if (token.empty()) continue;
    // Erhua: the r joins the syllable before it.
    if ((token == "r5" || token == "R5") && afterSyllable) {
      out += "r";
      continue;
    }
    const ToneSyllable s = ParseNumberedPinyin(token);
    if (s.syllable < 0) {
      std::string_view plain = token;
      while (!plain.empty() && plain.back() >= '0' && plain.back() <= '9') plain.remove_suffix(1);
      if (!out.empty()) out += ' ';
      out += plain;
      afterSyllable = false;
      continue;
    }
    const bool capital = token[0] >= 'A' && token[0] <= 'Z';
    std::string marked = MarkTone(s.syllable, s.tone);
    if (capital && marked[0] >= 'a' && marked[0] <= 'z')
      marked[0] = static_cast<char>(marked[0] - 'a' + 'A');
    // A capital starts a new name word (Bǐrú Xiàn); a, e, o after a syllable take an
    // apostrophe (Xī'ān).
    if (!out.empty() && (!afterSyllable || capital))
      out += ' ';
    else if (afterSyllable &&
             std::string_view("aeo").find(SyllableTable[s.syllable][0]) != std::string_view::npos)
      out += '\'';
    out += marked;
    afterSyllable = true;
  }
  return out;
}

std::string CleanSense(std::string_view sense, bool traditional) {
  const std::string trimmed = Trim(sense);
  sense = trimmed;
  if (sense.substr(0, 3) == "CL:") return MeasureWords(sense.substr(3), traditional);
  std::string out;
  std::size_t pos = 0;
  while (pos < sense.size()) {
    const char ch = sense[pos];
    if (sense.compare(pos, 3, "CL:") == 0) {
      // Classifiers inside a sense: "(CL:把[ba3])".
      const std::size_t end = std::min(sense.find(')', pos), sense.size());
      out += MeasureWords(sense.substr(pos + 3, end - pos - 3), traditional);
      pos = end;
    } else if (!IsAscii(ch)) {
      // A run of hanzi, perhaps "traditional|simplified", perhaps followed by its pinyin.
      const std::size_t start = pos;
      while (pos < sense.size() && (!IsAscii(sense[pos]) || sense[pos] == '|')) ++pos;
      out += ChooseForm(sense.substr(start, pos - start), traditional);
      if (pos < sense.size() && sense[pos] == '[') {
        const std::size_t close = sense.find(']', pos);
        if (close == std::string_view::npos) break;
        const std::string pinyin = MarkedPinyin(sense.substr(pos + 1, close - pos - 1));
        if (!pinyin.empty()) out += " (" + pinyin + ")";
        pos = close + 1;
      }
    } else if (ch == '[') {
      const std::size_t close = sense.find(']', pos);
      if (close == std::string_view::npos) break;
      out += MarkedPinyin(sense.substr(pos + 1, close - pos - 1));
      pos = close + 1;
    } else {
      out += ch;
      ++pos;
    }
  }
  return Trim(out);
}

std::string GbkText(std::string_view utf8) {
  if (auto whole = TryGbkFromUtf8(utf8)) return *whole;
  std::string out;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    const char32_t cp = DecodeUtf8(utf8, &pos);
    if (auto one = TryGbkFromUtf8(utf8.substr(start, pos - start))) {
      out += *one;
    } else if (cp >= 0xC0 && cp < 0x100) {
      out += kLatin1Letters[cp - 0xC0];
    } else if (cp >= 0x100 && cp < 0x180) {
      out += kLatinExtendedLetters[cp - 0x100];
    } else if (cp == 0x2013 || cp == 0x2212) {
      out += '-';
    }
  }
  return out;
}

std::string FitSenses(const std::vector<std::string>& gbkSenses, std::size_t limit) {
  // A source's sense may itself list several ("to understand clearly; evident"): each counts.
  std::vector<std::string> parts;
  for (const std::string& sense : gbkSenses) {
    std::size_t pos = 0;
    while (pos <= sense.size()) {
      std::size_t end = sense.find("; ", pos);
      if (end == std::string::npos) end = sense.size();
      parts.push_back(Trim(std::string_view(sense).substr(pos, end - pos)));
      pos = end + 2;
    }
  }
  std::string out;
  std::set<std::string> seen;
  for (const std::string& sense : parts) {
    if (sense.empty() || !seen.insert(SenseKey(sense)).second) continue;
    if (out.empty()) {
      out = sense.size() <= limit ? sense : CutAtWord(sense, limit);
      continue;
    }
    if (out.size() + 2 + sense.size() > limit) break;
    out += "; " + sense;
  }
  return out;
}

std::string WordGloss(const std::vector<std::pair<bool, std::string>>& entries, bool traditional,
                      std::string_view self) {
  std::vector<std::string> senses;
  for (bool properNouns : {false, true})
    for (const auto& [proper, text] : entries) {
      if (proper != properNouns) continue;
      std::string_view rest = text;
      while (!rest.empty()) {
        const std::string clean = CleanSense(NextField(&rest, '/'), traditional);
        // A variant form's entry refers to the word itself ("variant of 这么 (zhème)").
        if (clean.empty() || RefersTo(clean, self)) continue;
        senses.push_back(GbkText(clean));
      }
    }
  return FitSenses(senses, kMaxGlossBytes);
}

}  // namespace dazi::dictbuild
