#include "bench/soak/RandomKeyLines.h"

#include <iterator>

namespace dazi::bench {
namespace {

const char* const kWords[] = {"women",    "tianqi",  "zhongguo", "xuexi",  "gongzuo",
                              "pengyou",  "shijian", "wenti",    "difang", "jintian",
                              "mingtian", "xihuan",  "kaishi",   "yijing", "keyi",
                              "shenme",   "zhidao",  "xianzai",  "yinwei", "suoyi"};
const char* const kChoices[] = {" ", "1", "2", " ", "1", "{PgDn}1", "{Left}1 ", "{Back}{Esc}"};
const char* const kMarks[] = {",", ".", ";", "?", "!"};
const char* const kTokens[] = {"{Enter}", "{Esc}", "{Back}", "{Left}", "{PgUp}", "{PgDn}",
                               "{KP1}",   "{KP2}", "{KP0}",  "{KP+}",  "{KP.}",  "{Ctrl}"};
const char* const kCommands[] = {":class", ":method", ":pinyin", ":punct", ":dict"};

}  // namespace

std::string RandomKeyLines::Next() {
  const std::size_t kind = Below(100);
  if (kind < 2) return kCommands[Below(std::size(kCommands))];
  std::string line;
  if (kind < 80) {
    // A phrase of one to three words and a mark: the same phrases come back, so they are
    // learned.
    for (std::size_t w = 1 + Below(3); w > 0; --w) {
      line += kWords[Below(std::size(kWords))];
      line += kChoices[Below(std::size(kChoices))];
    }
    line += kMarks[Below(std::size(kMarks))];
    return line;
  }
  for (std::size_t k = 1 + Below(12); k > 0; --k) {
    const std::size_t pick = Below(10);
    if (pick < 6)
      line += static_cast<char>('a' + Below(26));
    else if (pick < 8)
      line += " 0123456789"[Below(11)];
    else
      line += kTokens[Below(std::size(kTokens))];
  }
  return line;
}

}  // namespace dazi::bench
