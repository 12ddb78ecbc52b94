#include "engine/pinyin/SyllableTable.h"

#include <cstring>
#include <string_view>

namespace dazi {

// clang-format off
const char* const SyllableTable[kSyllableCount] = {
    // a: 0-4
    "ang", "an", "ai", "ao", "a",
    // b: 5-20
    "bang", "beng", "bian", "biao", "bing", "bie", "bin", "bao", "bei", "ben", "bai", "ban", "ba",
    "bi", "bo", "bu",
    // c: 21-54
    "chuang", "chuan", "chuai", "chang", "cheng", "chong", "chou", "chao", "chen", "chui", "chun",
    "chuo", "cong", "cuan", "cang", "ceng", "chai", "chan", "cha", "cao", "cen", "cai", "can",
    "cou", "cui", "cun", "cuo", "chu", "che", "chi", "ci", "cu", "ca", "ce",
    // d: 55-76
    "dang", "deng", "dian", "diao", "ding", "dong", "duan", "dui", "dun", "duo", "dou", "diu",
    "die", "dia", "dei", "dao", "dai", "dan", "de", "di", "da", "du",
    // e: 77-79
    "en", "er", "e",
    // f: 80-88
    "fang", "feng", "fen", "fou", "fei", "fan", "fa", "fo", "fu",
    // g: 89-107
    "guang", "geng", "gong", "guai", "guan", "gang", "gao", "gei", "gai", "gan", "gua", "gou",
    "gen", "gui", "gun", "guo", "gu", "ga", "ge",
    // h: 108-126
    "huang", "huan", "huai", "heng", "hong", "hang", "han", "hai", "hou", "hao", "hei", "hen",
    "hua", "hui", "hun", "huo", "he", "hu", "ha",
    // j: 127-140
    "jiang", "jiong", "jing", "jiao", "jian", "juan", "jue", "jiu", "jun", "jia", "jie", "jin",
    "ju", "ji",
    // k: 141-158
    "kuang", "kuan", "kuai", "kang", "keng", "kong", "kou", "kao", "ken", "kua", "kui", "kun",
    "kuo", "kai", "kan", "ka", "ke", "ku",
    // l: 159-184
    "liang", "liao", "lian", "ling", "lang", "leng", "long", "luan", "lun", "luo", "lou", "lve",
    "lei", "lao", "lai", "lan", "liu", "lie", "lin", "lia", "le", "li", "lu", "lo", "lv", "la",
    // m: 185-203
    "mang", "meng", "mian", "miao", "ming", "min", "mie", "men", "miu", "mou", "mao", "mei", "mai",
    "man", "ma", "me", "mu", "mo", "mi",
    // n: 204-228
    "niang", "niao", "ning", "nong", "nou", "neng", "nian", "nang", "nuan", "nuo", "nve", "nan",
    "nai", "nao", "nei", "nen", "niu", "nie", "nin", "ne", "ni", "ng", "na", "nv", "nu",
    // o: 229-230
    "ou", "o",
    // p: 231-247
    "pang", "peng", "pian", "piao", "ping", "pou", "pie", "pin", "pei", "pen", "pao", "pai", "pan",
    "pi", "pa", "pu", "po",
    // q: 248-261
    "qiang", "qiong", "quan", "qian", "qiao", "qing", "qin", "qie", "qia", "qiu", "que", "qun",
    "qu", "qi",
    // r: 262-275
    "rang", "reng", "rong", "ruan", "rui", "run", "ruo", "rou", "ren", "rao", "ran", "re", "ru",
    "ri",
    // s: 276-310
    "shuang", "shuan", "shuai", "sheng", "shang", "shan", "shai", "seng", "sang", "shou", "shao",
    "shei", "shen", "shua", "shui", "shun", "shuo", "song", "suan", "sou", "sui", "sun", "suo",
    "she", "shu", "shi", "san", "sai", "sen", "sao", "sha", "se", "sa", "si", "su",
    // t: 311-329
    "tang", "teng", "tian", "tiao", "ting", "tong", "tuan", "tui", "tou", "tie", "tun", "tuo",
    "tao", "tai", "tan", "ti", "te", "ta", "tu",
    // w: 330-338
    "wang", "weng", "wan", "wei", "wen", "wai", "wa", "wo", "wu",
    // x: 339-352
    "xiang", "xiong", "xing", "xuan", "xiao", "xian", "xia", "xue", "xiu", "xie", "xin", "xun",
    "xu", "xi",
    // y: 353-367
    "yang", "ying", "yong", "yuan", "yue", "yun", "you", "yan", "yao", "yin", "yi", "ye", "ya",
    "yo", "yu",
    // z: 368-404
    "zhuang", "zhuan", "zheng", "zhong", "zhuai", "zhang", "zhao", "zhei", "zeng", "zhai", "zhan",
    "zang", "zhua", "zhou", "zhen", "zhui", "zhun", "zhuo", "zong", "zuan", "zui", "zun", "zuo",
    "zou", "zhi", "zhu", "zan", "zai", "zao", "zei", "zen", "zha", "zhe", "ze", "za", "zi", "zu",
};

const int SyllableRanges[26][2] = {
    {0, 4}, {5, 20}, {21, 54}, {55, 76}, {77, 79}, {80, 88},
    {89, 107}, {108, 126}, {127, 0}, {127, 140}, {141, 158}, {159, 184},
    {185, 203}, {204, 228}, {229, 230}, {231, 247}, {248, 261}, {262, 275},
    {276, 310}, {311, 329}, {330, 0}, {330, 0}, {330, 338}, {339, 352},
    {353, 367}, {368, 404},
};
// clang-format on

const int SyllableDefaultChars[kSyllableCount][2] = {
#include "engine/pinyin/SyllableDefaults.inc"
};

int FindSyllable(const char* text, int length) {
  if (length <= 0 || text[0] < 'a' || text[0] > 'z') return -1;
  const int* range = SyllableRanges[text[0] - 'a'];
  for (int i = range[0]; i <= range[1]; ++i) {
    const char* syllable = SyllableTable[i];
    if (static_cast<int>(std::strlen(syllable)) == length &&
        std::memcmp(syllable, text, static_cast<std::size_t>(length)) == 0)
      return i;
  }
  return -1;
}

int LeadingSyllableIndex(std::string_view s) {
  if (s.empty() || s[0] < 'a' || s[0] > 'z') return -1;
  const int* range = SyllableRanges[s[0] - 'a'];
  for (int i = range[0]; i <= range[1]; ++i)
    if (s.starts_with(SyllableTable[i])) return i;
  return -1;
}

std::int32_t LongestSyllable(std::string_view s) {
  const int index = LeadingSyllableIndex(s);
  return index < 0 ? 0 : static_cast<std::int32_t>(std::strlen(SyllableTable[index]));
}

std::int32_t CountLeadingInitials(std::string_view s) {
  std::size_t k = 0;
  // The group lists the longest syllables first, so a syllable of two or more letters begins
  // here exactly when the leading one is that long.
  while (k < s.size() && LongestSyllable(s.substr(k)) < 2) ++k;
  return static_cast<std::int32_t>(k);
}

std::int32_t SyllableBeginsWith(std::string_view s) {
  if (s.empty() || s[0] < 'a' || s[0] > 'z') return 0;
  const std::string_view t = s.substr(0, 2);
  const int* range = SyllableRanges[s[0] - 'a'];
  for (int i = range[0]; i <= range[1]; ++i)
    if (std::string_view(SyllableTable[i]).starts_with(t))
      return static_cast<std::int32_t>(t.size());
  return 0;
}

}  // namespace dazi
