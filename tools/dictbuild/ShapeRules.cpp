#include "tools/dictbuild/ShapeRules.h"

#include <algorithm>

#include "tools/dictbuild/Crossings.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi::dictbuild {
namespace {

constexpr int kMaxDepth = 12;  // cjk-decomp nests a few levels; this only stops cycles
constexpr std::size_t kLeftPartStrokes = 2;
constexpr std::size_t kTopPartStrokes = 4;

// The four parts typed short whenever they are part of a character.
const char* SimplifiedPart(const std::string& key) {
  if (key == "疒") return "41";
  if (key == "口") return "2";
  if (key == "日") return "1";
  if (key == "扌") return "15";
  return nullptr;
}

char Digit(char letter) {
  switch (letter) {
    case 'h':
      return '1';
    case 's':
      return '2';
    case 'p':
      return '3';
    case 'n':
      return '4';
    default:
      return '5';
  }
}

// 'a' left-right, 'd' top-bottom, 0 any other arrangement. Overlapping (/o) and merged
// (/m) parts share strokes; the stroke counts tell those apart later.
char Family(const std::string& shape) {
  if (shape.ends_with("/o")) return 0;
  const std::string base = shape.substr(0, shape.find('/'));
  if (base == "a" || base == "ra" || base == "r3a") return 'a';
  if (base == "d" || base == "rd" || base == "r3d" || base == "r3tr" || base == "r4sq") return 'd';
  return 0;
}

int TableIndex(const std::string& key) {
  const char32_t cp = SingleCodePoint(key);
  return IsTableHanzi(cp) ? HanziIndex(cp) : -1;
}

}  // namespace

// A part of a composition: one component, or several side by side (the bottom of 品).
struct ShapeRules::Part {
  std::string key;
  std::vector<std::string> across;
};

// The character whose strokes are being typed: its digits (hooks already 折) and, when its
// median lines match its strokes, which strokes cross.
struct ShapeRules::Context {
  std::string letters;
  std::string digits;
  std::vector<std::vector<bool>> crosses;
  bool simplify = true;
};

ShapeRules::ShapeRules(const std::vector<std::string>& letters,
                       const std::vector<CharShape>& shapes, const DecompositionMap& decompositions)
    : letters_(letters), shapes_(shapes), decompositions_(decompositions) {}

const std::string* ShapeRules::OwnLetters(const std::string& key) const {
  const int i = TableIndex(key);
  if (i < 0 || letters_[static_cast<std::size_t>(i)].empty()) return nullptr;
  return &letters_[static_cast<std::size_t>(i)];
}

int ShapeRules::StrokeCount(const std::string& key, int depth) {
  if (auto it = counts_.find(key); it != counts_.end()) return it->second;
  int count = -1;
  const char32_t cp = SingleCodePoint(key);
  if (const std::string* own = OwnLetters(key)) {
    count = static_cast<int>(own->size());
  } else if (cp >= 0x31C0 && cp <= 0x31EF) {  // CJK strokes: one stroke each
    count = 1;
  } else if (auto d = decompositions_.find(key); d != decompositions_.end() && depth < kMaxDepth &&
                                                 !d->second.shape.ends_with("/m") &&
                                                 !d->second.shape.ends_with("/o")) {
    const std::string base = d->second.shape.substr(0, d->second.shape.find('/'));
    const int copies = base == "ra" || base == "rd"                       ? 2
                       : base == "r3a" || base == "r3d" || base == "r3tr" ? 3
                       : base == "r4sq"                                   ? 4
                                                                          : 1;
    int sum = 0;
    for (const std::string& part : d->second.parts) {
      const int n = StrokeCount(part, depth + 1);
      if (n < 0) {
        sum = -1;
        break;
      }
      sum += n;
    }
    if (sum > 0) count = sum * copies;
  }
  counts_[key] = count;
  return count;
}

int ShapeRules::PartCount(const Part& part) {
  if (part.across.empty()) return StrokeCount(part.key);
  int sum = 0;
  for (const std::string& key : part.across) {
    const int n = StrokeCount(key);
    if (n < 0) return -1;
    sum += n;
  }
  return sum;
}

std::string ShapeRules::WritingOrder(const Context& ctx, int begin, int end) const {
  std::string out;
  if (ctx.crosses.empty())
    return ctx.digits.substr(static_cast<std::size_t>(begin),
                             static_cast<std::size_t>(end - begin));
  const std::vector<int> runs = CrossingRuns(ctx.crosses, begin, end);
  for (std::size_t k = 0; k + 1 < runs.size(); ++k)
    out.push_back(runs[k + 1] - runs[k] > 1 ? '6' : ctx.digits[static_cast<std::size_t>(runs[k])]);
  return out;
}

std::string ShapeRules::StandaloneRule(const std::string& key, bool simplify) {
  auto& memo = standalone_[simplify ? 1 : 0];
  if (auto it = memo.find(key); it != memo.end()) return it->second;
  memo[key] = {};  // a cycle reads an empty code and falls back
  const RuleCodes codes = Codes(TableIndex(key));
  return memo[key] = simplify ? codes.rule : codes.relaxed;
}

std::string ShapeRules::PartCode(Context& ctx, const Part& part, int begin, int end, int depth) {
  if (part.across.empty()) return BlockCode(ctx, part.key, begin, end, depth);
  std::vector<Part> parts;
  for (const std::string& key : part.across) parts.push_back({key, {}});
  std::string out;
  if (Compose(ctx, 'a', parts, begin, end, depth, &out)) return out;
  return WritingOrder(ctx, begin, end);
}

bool ShapeRules::Compose(Context& ctx, char family, const std::vector<Part>& parts, int begin,
                         int end, int depth, std::string* out) {
  std::vector<int> counts;
  int known = 0, unknown = -1;
  for (std::size_t k = 0; k < parts.size(); ++k) {
    counts.push_back(PartCount(parts[k]));
    if (counts.back() >= 0) {
      known += counts.back();
    } else if (unknown < 0) {
      unknown = static_cast<int>(k);
    } else {
      return false;  // two parts of unknown size cannot be placed
    }
  }
  if (unknown >= 0) counts[static_cast<std::size_t>(unknown)] = end - begin - known;
  int total = 0;
  for (int n : counts) {
    if (n < 1) return false;
    total += n;
  }
  if (total != end - begin) return false;
  const std::size_t keep = family == 'a' ? kLeftPartStrokes : kTopPartStrokes;
  out->clear();
  int at = begin;
  for (std::size_t k = 0; k < parts.size(); ++k) {
    std::string code = PartCode(ctx, parts[k], at, at + counts[k], depth + 1);
    if (code.empty()) return false;
    *out += k + 1 < parts.size() ? code.substr(0, keep) : code;
    at += counts[k];
  }
  return true;
}

std::string ShapeRules::OtherShapeCode(Context& ctx, const std::string& key, const Decomposition& d,
                                       int begin, int end, int depth) {
  // The four short parts are typed in full where they stand alone (日 is not 口 and 一).
  if (depth == 0 && SimplifiedPart(key)) return WritingOrder(ctx, begin, end);
  if (ctx.crosses.empty()) {
    // No geometry: the parts' own codes, when the parts follow each other in writing order.
    std::string letters, code;
    int at = begin;
    for (const std::string& part : d.parts) {
      const int n = StrokeCount(part);
      const std::string* own = OwnLetters(part);
      if (n < 1 || !own || at + n > end) return WritingOrder(ctx, begin, end);
      std::string partCode = BlockCode(ctx, part, at, at + n, depth + 1);
      if (partCode.empty()) return WritingOrder(ctx, begin, end);
      letters += *own;
      code += partCode;
      at += n;
    }
    if (at != end) return WritingOrder(ctx, begin, end);
    std::string blockLetters;
    for (int i = begin; i < end; ++i)
      blockLetters.push_back(ctx.digits[static_cast<std::size_t>(i)]);
    std::string partLetters;
    for (char ch : letters) partLetters.push_back(Digit(ch));
    return partLetters == blockLetters ? code : WritingOrder(ctx, begin, end);
  }
  // Writing order, but a simplified part written first or last, apart from the rest, is
  // typed short (病's 疒, 白's 日). The four parts themselves are typed in full.
  if (!ctx.simplify || d.parts.size() != 2) return WritingOrder(ctx, begin, end);
  auto apart = [&](int split) {
    for (int i = begin; i < split; ++i)
      for (int j = split; j < end; ++j)
        if (ctx.crosses[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)]) return false;
    return true;
  };
  auto lettersAt = [&](const std::string& part, int at) {
    const std::string* own = OwnLetters(part);
    return own && at >= begin && at + static_cast<int>(own->size()) <= end &&
           ctx.letters.compare(static_cast<std::size_t>(at), own->size(), *own) == 0;
  };
  // In the "within" shapes the first part encloses the second and is closed after it (日 is
  // not 口 then 一), so it is never written first as a whole.
  const bool encloses = d.shape.starts_with("w");
  if (const char* first = SimplifiedPart(d.parts[0]);
      first && !encloses && lettersAt(d.parts[0], begin)) {
    const int split = begin + static_cast<int>(OwnLetters(d.parts[0])->size());
    if (split < end && apart(split)) return first + WritingOrder(ctx, split, end);
  }
  for (const std::string& part : d.parts) {
    const char* last = SimplifiedPart(part);
    if (!last || !OwnLetters(part)) continue;
    const int split = end - static_cast<int>(OwnLetters(part)->size());
    if (split > begin && lettersAt(part, split) && apart(split))
      return WritingOrder(ctx, begin, split) + last;
  }
  return WritingOrder(ctx, begin, end);
}

std::string ShapeRules::BlockCode(Context& ctx, const std::string& key, int begin, int end,
                                  int depth) {
  if (depth > kMaxDepth) return WritingOrder(ctx, begin, end);
  if (depth > 0) {
    const char* simplified = SimplifiedPart(key);
    if (ctx.simplify && simplified && StrokeCount(key) == end - begin) return simplified;
    // Repair a part the stroke data writes differently inside this character: its 点 given
    // as 竖 (字's 宀 as 点竖), by the part's own strokes.
    if (const std::string* own = OwnLetters(key);
        own && own->size() == static_cast<std::size_t>(end - begin)) {
      for (std::size_t k = 0; k < own->size(); ++k) {
        char& digit = ctx.digits[static_cast<std::size_t>(begin) + k];
        if (digit == '2' && (*own)[k] == 'n') digit = '4';
      }
      if (ctx.crosses.empty() && TableIndex(key) >= 0) {
        std::string code = StandaloneRule(key, ctx.simplify);
        if (!code.empty()) return code;
      }
    }
  }
  auto it = decompositions_.find(key);
  if (it == decompositions_.end()) return WritingOrder(ctx, begin, end);
  const Decomposition& d = it->second;
  const char family = Family(d.shape);
  if (family != 0 && !d.parts.empty()) {
    std::vector<Part> parts;
    const std::string base = d.shape.substr(0, d.shape.find('/'));
    const std::string& x = d.parts[0];
    if (base == "ra" || base == "rd")
      parts = {{x, {}}, {x, {}}};
    else if (base == "r3a" || base == "r3d")
      parts = {{x, {}}, {x, {}}, {x, {}}};
    else if (base == "r3tr")
      parts = {{x, {}}, {{}, {x, x}}};
    else if (base == "r4sq")
      parts = {{{}, {x, x}}, {{}, {x, x}}};
    else
      for (const std::string& p : d.parts) parts.push_back({p, {}});
    std::string out;
    if (Compose(ctx, family, parts, begin, end, depth, &out)) return out;
    return WritingOrder(ctx, begin, end);
  }
  return OtherShapeCode(ctx, key, d, begin, end, depth);
}

RuleCodes ShapeRules::Codes(int index) {
  if (auto it = done_.find(index); it != done_.end()) return it->second;
  RuleCodes out;
  if (index < 0) return out;
  const std::string& letters = letters_[static_cast<std::size_t>(index)];
  if (letters.empty()) return out;
  Context ctx;
  ctx.letters = letters;
  for (char ch : letters) {
    out.written.push_back(Digit(ch));
    ctx.digits.push_back(Digit(ch));
  }
  const CharShape& shape = shapes_[static_cast<std::size_t>(index)];
  if (shape.size() == letters.size()) {
    out.geometry = true;
    for (std::size_t i = 0; i < shape.size(); ++i)
      if (letters[i] == 's' && EndsInHook(shape[i].median)) ctx.digits[i] = '5';
    ctx.crosses = CrossingMatrix(shape);
  }
  std::string key;
  AppendUtf8(&key, kFirstHanzi + static_cast<char32_t>(index));
  const int n = static_cast<int>(letters.size());
  out.rule = BlockCode(ctx, key, 0, n, 0);
  Context relaxed = ctx;
  relaxed.simplify = false;
  out.relaxed = BlockCode(relaxed, key, 0, n, 0);
  out.crossing = WritingOrder(ctx, 0, n);
  out.plain = ctx.digits;
  return done_[index] = out;
}

}  // namespace dazi::dictbuild
