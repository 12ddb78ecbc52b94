// The typing rules of the keypad method turned into stroke digits (1 横, 2 竖, 3 撇, 4 点,
// 5 折, 6 叉) for one character:
//  - strokes that cross each other are typed as one 叉 (from the median lines);
//  - a left-right character types at most two strokes of its left part, a top-bottom one
//    at most four of its top part, applied to the parts again and again (cjk-decomp);
//  - the parts 疒, 口, 日 and 扌 are typed 点横, 竖, 横 and 横折;
//  - other shapes type their strokes in writing order.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "tools/dictbuild/Decomposition.h"
#include "tools/dictbuild/Medians.h"

namespace dazi::dictbuild {

struct RuleCodes {
  std::string rule;       // all rules; the main code before short characters are extended
  std::string relaxed;    // all rules but the four simplified parts
  std::string crossing;   // writing order with 叉, no shape rules
  std::string plain;      // five classes in writing order, hooks as 折
  std::string written;    // five classes as the stroke data writes them (竖钩 as 竖)
  bool geometry = false;  // median lines matched the character's strokes
};

class ShapeRules {
 public:
  // letters: h s p n z strokes by HanziIndex; shapes: geometry by HanziIndex (may be empty).
  ShapeRules(const std::vector<std::string>& letters, const std::vector<CharShape>& shapes,
             const DecompositionMap& decompositions);

  // The codes of the character at HanziIndex index, digits unlimited in length.
  RuleCodes Codes(int index);

 private:
  struct Context;
  struct Part;
  std::string BlockCode(Context& ctx, const std::string& key, int begin, int end, int depth);
  bool Compose(Context& ctx, char family, const std::vector<Part>& parts, int begin, int end,
               int depth, std::string* out);
  std::string PartCode(Context& ctx, const Part& part, int begin, int end, int depth);
  std::string OtherShapeCode(Context& ctx, const std::string& key, const Decomposition& d,
                             int begin, int end, int depth);
  std::string WritingOrder(const Context& ctx, int begin, int end) const;
  int StrokeCount(const std::string& key, int depth = 0);
  int PartCount(const Part& part);
  const std::string* OwnLetters(const std::string& key) const;
  std::string StandaloneRule(const std::string& key, bool simplify);

  const std::vector<std::string>& letters_;
  const std::vector<CharShape>& shapes_;
  const DecompositionMap& decompositions_;
  std::unordered_map<std::string, int> counts_;
  std::unordered_map<std::string, std::string> standalone_[2];
  std::unordered_map<int, RuleCodes> done_;
};

}  // namespace dazi::dictbuild
