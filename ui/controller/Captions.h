// The main window's fixed captions as GBK bytes, converted from UTF-8 once on first use.
#pragma once

#include <string>

namespace dazi::captions {

const std::string& PinyinMethod();  // "澜音"
const std::string& KeypadMethod();  // "ＫＸ"
const std::string& Simplified();    // "简"
const std::string& Traditional();   // "繁"
const std::string& Variant();       // "异"
const std::string& Chinese();       // "中"
const std::string& English();       // "英"
const std::string& FullWidthOn();   // "●"
const std::string& AsciiPunct();    // " ;"
const std::string& ChinesePunct();  // " ；"
const std::string& DefaultHint();   // "空格键,输出全句 ←键,字词修改"
const std::string& Ellipsis();      // "…"

}  // namespace dazi::captions
