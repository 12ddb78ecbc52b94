#include "ui/controller/HelpTopics.h"

#include <array>

namespace dazi {
namespace {

using Line = std::string_view;

// Pinyin topics.
constexpr std::array<Line, 6> kPinyinIntro{
    "    澜音输入法是标准拼音输入方法，所有功能都大幅度超越了现有各种拼音输入法。使用",
    "二○○三年新字频处理汉字、词排序；对输入字的前后关系采用优秀的字处理功能，主动提",
    "升关联字排位；词组输入真正支持不完整的拼音串匹配，词组中每一个单字拼音无需完整输",
    "入即可输出词组；具有优秀的长语句连续输入功能，自动配词，准确率高；独特功能：包含",
    "20902个汉字的读音、字义解释，解释详尽，同时包含60000组词语的汉英翻译，翻译内容可",
    "自由输出，使用方便。",
};
constexpr std::array<Line, 2> kPinyinSingleCharacters{
    "    完全按照标准的汉语拼音规则，逐个键入字的汉语拼音来输入字；新诀窍：对每一个单字在拼音"
    "后增加一个首笔画拼音码（横、竖、撇、点、折＝h、s、p、d、z），如：伊，第一笔是撇，则在输"
    "入yi后输入p即可，这样做的好处是无需翻页寻找。",
    "    注：中英切换使用Ctrl键。",
};
constexpr std::array<Line, 1> kPinyinWords{
    "    词组输入支持不完整的拼音串，每一个单字的拼音无需输完整，如：\"政治\"可以输入\"zz\"、"
    "\"zzh\"或\"zhz\"，\"西安\"可以输入\"xa\"或\"xan\"。",
};
constexpr std::array<Line, 4> kPinyinSentences{
    "    长语句连续输入一次最多可输入30个字，系统自动分词配词。例1：连续输入全拼\"wohetayiqiqu"
    "daxuetushuguankanshukanbao\"共38个字母，即得到\"我和他一起去大学图书馆看书看报\"15个字；例"
    "2：常用词可以只输入声母，与全拼混合输入，如：输入\"wmyaonltggongzuosp\"即得到\"我们要努力"
    "提高工作水平\"。",
    "空格键：输出全句。",
    "←键：修改，并用于对歧义词或配错字进行退位修改。",
    "BackSpace键：用于删除多输入的字母。",
};
// Word-making; the keypad topic says the same with its own code and line break.
constexpr std::array<Line, 2> kPinyinWordMaking{
    "    在两个标点符号之间输入的多字词组，系统自动作为\"广义词\"进入临时词库，当该词再次出现时"
    "即进入系统词库。如：输入一个标点符号（如逗号），然后输入张强，再输入一个逗号，此时只要再",
    "输入\"zq\"即可得到张强；再输入一个标点符号后，该词即存入系统词库。系统词库可以点击工具条最"
    "左侧的图标，通过造词命令进行维护。",
};
constexpr std::array<Line, 1> kPinyinSymbols{
    "    特殊符号分为三组：\"v\"为标点符号及拼音字母，\"i\"为数字及数学符号，\"u\"为各种符号及单位"
    "符号；再次输入同一字母即可翻页。",
};
constexpr std::array<Line, 1> kCharacterClasses{
    "    字类分为简体、繁体、异体（生僻字），其中简体字7062（包括GB2312的6763字和299个人、地名生"
    "僻字），繁体字 7242（包括简繁共用字），异体11529（包括生僻字）。选择字类时点击工具条上的"
    "\"简\"，即可改为\"繁\"或\"异\"。",
};
constexpr std::array<Line, 2> kEnglishGlosses{
    "    输入字、词时在其旁边实时显示英文，按一次回车键即可选择输出英文；使用时需通过点击工具条"
    "左侧的黄色标志，在设置中选择\"显示英文\"。",
    "    6万组词语的汉英翻译经过反复推敲、认真校对，力求译文准确、简洁、规范，既方便输出使用，"
    "也可以作为学习英语的参考。",
};
constexpr std::array<Line, 2> kDictionary{
    "    不论简、繁、异体字均标注了字义和拼音，点击框左上角的字典即可打开或关闭字典框。点击字典"
    "框上的字即显示该字解释(需通过点击工具条左侧的黄色标志，在设置中选择显示字典和拼音)。",
    "    GBK全部20902个汉字均标注了读音和字义，相当一本超大字典，随时可以查阅。",
};
constexpr std::array<Line, 1> kPinyinSelfMade{
    "    澜音输入法支持用户机Truetype造字程序，造字时注意按照AAA1的顺序摆放，不需要进行输入法链"
    "接等其他设置。所有造好的字均可以通过输入va来选择输出。",
};
constexpr std::array<Line, 1> kPinyinToKeypad{
    "    KX是极其简单易学的小键盘输入方法，使用数字键1~6位，根据笔画顺序一笔一键输入。遇到不知道"
    "读音的字，可点击工具条上的\"澜音\"，改为\"KX\"，按笔画输入即可。",
};

// Keypad topics.
constexpr std::array<Line, 1> kKeypadIntro{
    "    KX输入法是极其简单易学的数字小键盘输入方法，使用数字键1~6位，根据笔画顺序一笔一键输入。"
    "具有高度智能化功能，输入汉字简单、方便；同时该输入法具备20902个汉字的拼音和字典功能，相当"
    "一本超大字典，具备六万多条英文译注，相当一本汉英大词典。",
};
constexpr std::array<Line, 2> kKeypadStrokes{
    "    KX使用数字键1~6位，其中对应关系是1为横、2为竖、3为撇、4为点、5为折、6为叉。",
    "横包括横与提，竖为竖、撇为撇、点包括点与捺、折包括折弯钩、叉包括所有笔画相互交叉的组合笔"
    "画。如: 十、也、聿、车等等都是一个叉笔画，这是KX输入法中的一个重要点。",
};
constexpr std::array<Line, 3> kKeypadShapes{
    "    字形只有三类，综合形、左右形、上下形。    对综合形的字没有特别规定，只要按汉字输写顺序"
    "一笔一键输入即可。如：向，输入\"撇、竖、折\"。",
    "对左右形的字有规定：左边部分最多打前两个笔画，左边打后，右边按照顺序打。如：锦，左边打\"撇"
    "、横\"，右边接着打\"撇横\"。",
    "对上下形的字有规定：上面部分最多打前四个笔画，接下去打下面部分的笔画。如：篮，上面打\"撇、"
    "横、点、撇\"，下面接着打\"竖\"。",
};
constexpr std::array<Line, 5> kKeypadComponents{
    "    4个简化部件只要记住一句话：\"病从口入，日日洗手\"，即病、口、日、手四个部件。",
    "疒只打前两个笔画\"点\"\"横\"；口只打第一个笔画\"竖\"；",
    "日只打中间一个笔画\"横\"；扌不打交叉，只打前两个基本笔画\"横\"\"折\"。",
    "以上意思是当输入汉字时，凡出现上述部件，一律按以上简化的打法输入。",
    "如：病，先打\"点横\"，再打\"横\"；唱，打\"竖\"\"横\"\"横\"；打，先打\"横折\"，再打\"横\"。",
};
constexpr std::array<Line, 2> kKeypadShortCharacters{
    "    汉字中有不少字笔画很少，那么个别字笔画输完了没有显示怎么办？",
    "KX输入法是将该字按基本笔画从头开始再次输入一到两个笔画，十分简单。如：八，输入\"撇、点(捺)"
    "\"后，再输入一次\"撇\"即可。",
};
constexpr std::array<Line, 1> kKeypadChoosing{
    "    KX输入法由于将数字键1、2、3、4、5、6做为笔画输入键，所以在字词的选择时使用0、7、8、9数"
    "字键，为了方便对应，在字词候选框内均用这些数字做了表示。",
};
constexpr std::array<Line, 3> kKeypadWords{
    "    KX输入词组的规则简单：第一个字用两个笔画，中间的字各用一个笔画，最后一个字按顺序输到词"
    "组出现。",
    "如：汉字，汉打\"点点\"，字打\"点点折折\"。",
    "如：风马牛不相及，风打\"撇折\"，马打\"折\"，牛打\"撇\"，不打\"横\"，相打\"叉\"。",
};
constexpr std::array<Line, 2> kKeypadWordMaking{
    "    两个标点符号之间输入的多字词组，系统自动作为\"广义词\"进入临时词库，当该词再次出现时即进"
    "入系统词库。如：输入一个标点符号（如逗号），然后输入张强，再输入一个逗号，此时只要再输",
    "入\"5151\"即可得到张强；再输入一个标点符号后，该词即存入系统词库。系统词库可以点击工具条最"
    "左侧的图标，通过造词命令进行维护。",
};
constexpr std::array<Line, 1> kKeypadToPinyin{
    "    澜音输入法适合所有喜欢用拼音打字的人，各项功能都超越了其他拼音输入法。遇到不会拆分笔画"
    "的字，可点击工具条上的\"KX\"，改为\"澜音\"，用拼音输入即可。",
};

const std::array<HelpTopic, 11> kPinyinTopics{{
    {"澜音输入法说明", 0, kPinyinIntro},
    {"一、单字输入", 0, kPinyinSingleCharacters},
    {"二、词组输入", 0, kPinyinWords},
    {"三、长语句连续输入", 0, kPinyinSentences},
    {"四、自动造词", 0, kPinyinWordMaking},
    {"五、特殊符号", 0, kPinyinSymbols},
    {"六、字类选择", 0, kCharacterClasses},
    {"七、显示英文", 0, kEnglishGlosses},
    {"八、显示字典", 0, kDictionary},
    {"九、造字功能", 0, kPinyinSelfMade},
    {"十、选择KX", 0, kPinyinToKeypad},
}};

const std::array<HelpTopic, 12> kKeypadTopics{{
    {"KX输入法简要说明", 0, kKeypadIntro},
    {"一、键盘与笔画", 0, kKeypadStrokes},
    {"二、字形与输入方法", 0, kKeypadShapes},
    {"三、记忆4个简化部件", 0, kKeypadComponents},
    {"四、笔画输完的补充", 0, kKeypadShortCharacters},
    {"五、选择字或词", 0, kKeypadChoosing},
    {"六、轻松输入词组", 0, kKeypadWords},
    {"七、显示字典及拼音", 0, kDictionary},
    {"八、显示英文", 0, kEnglishGlosses},
    {"九、自动造词", 0, kKeypadWordMaking},
    {"十、字类选择", 0, kCharacterClasses},
    {"十一、选择澜音", 0, kKeypadToPinyin},
}};

}  // namespace

std::span<const HelpTopic> PinyinHelpTopics() {
  return kPinyinTopics;
}

std::span<const HelpTopic> KeypadHelpTopics() {
  return kKeypadTopics;
}

}  // namespace dazi
