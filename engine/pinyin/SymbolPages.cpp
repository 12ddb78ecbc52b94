// The three symbol pages, kept as UTF-8 in the source and turned into GBK once at start.
#include "engine/pinyin/SymbolPages.h"

#include "engine/core/Gbk.h"

namespace dazi {

const std::string SymbolPages[3] = {
    // u: marks, shapes, arrows, currency and units (81)
    GbkFromUtf8("＃＠＆＊※§〃№〓○●△▲◎☆★◇◆□■▽▼㊣℅ˉ￣＿﹉﹊﹍﹎﹋﹌﹟﹠﹡♀♂⊕⊙↑↓←→↖↗↙↘∥∣／＼∕﹨′″＄￥"
                "〒￠￡％＠℃℉﹩﹪‰﹫㏕㎜㎝㎞㏎㎡㎎㎏㏄°○¤"),
    // i: roman and enclosed numbers, mathematics (127)
    GbkFromUtf8("ⅰⅱⅲⅳⅴⅵⅶⅷⅸⅹⅠⅡⅢⅣⅤⅥⅦⅧⅨⅩⅪⅫ⒈⒉⒊⒋⒌⒍⒎⒏⒐⒑⒒⒓⒔⒕⒖⒗⒘⒙⒚⒛⑴⑵⑶⑷⑸⑹⑺⑻⑼⑽⑾⑿⒀⒁⒂⒃⒄⒅⒆⒇①②③④⑤⑥⑦⑧⑨⑩㈠㈡㈢㈣㈤"
                "㈥㈦㈧㈨㈩≈≡≠＝≤≥＜＞≮≯∷±＋－×÷／∫∮∝∞∧∨∑∏∪∩∈∵∴⊥∥∠⌒⊙≌∽√≦≧≒≡﹢﹣﹤"),
    // v: punctuation, brackets and pinyin letters with tone marks (104)
    GbkFromUtf8(
        "，、。．；：？！︰…‥′‵々～‖ˇˉ﹐﹑﹒·﹔﹕﹖﹗｜︱︳︴﹏（）︵︶｛｝︷︸〔〕︹︺【】︻︼《》"
        "︽︾〈〉︿﹀「」﹁﹂『』﹃﹄﹙﹚﹛﹜﹝﹞〞ˋˊāáǎàōóǒòēéěèīíǐìūúǔùǖǘǚǜüêɑḿńňǹɡ"),
};

int SymbolPageIndex(char firstLetter) {
  switch (firstLetter) {
    case 'u':
      return 0;
    case 'i':
      return 1;
    case 'v':
      return 2;
    default:
      return -1;
  }
}

}  // namespace dazi
