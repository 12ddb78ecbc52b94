#include "ui/controller/Captions.h"

#include "engine/core/Gbk.h"

// Each caption is converted at its first use and kept for the run.
namespace dazi::captions {

const std::string& PinyinMethod() {
  static const std::string gbk = GbkFromUtf8("澜音");
  return gbk;
}

const std::string& KeypadMethod() {
  static const std::string gbk = GbkFromUtf8("ＫＸ");
  return gbk;
}

const std::string& Simplified() {
  static const std::string gbk = GbkFromUtf8("简");
  return gbk;
}

const std::string& Traditional() {
  static const std::string gbk = GbkFromUtf8("繁");
  return gbk;
}

const std::string& Variant() {
  static const std::string gbk = GbkFromUtf8("异");
  return gbk;
}

const std::string& Chinese() {
  static const std::string gbk = GbkFromUtf8("中");
  return gbk;
}

const std::string& English() {
  static const std::string gbk = GbkFromUtf8("英");
  return gbk;
}

const std::string& FullWidthOn() {
  static const std::string gbk = GbkFromUtf8("●");
  return gbk;
}

const std::string& AsciiPunct() {
  static const std::string gbk = GbkFromUtf8(" ;");
  return gbk;
}

const std::string& ChinesePunct() {
  static const std::string gbk = GbkFromUtf8(" ；");
  return gbk;
}

const std::string& DefaultHint() {
  static const std::string gbk = GbkFromUtf8("空格键,输出全句 ←键,字词修改");
  return gbk;
}

const std::string& Ellipsis() {
  static const std::string gbk = GbkFromUtf8("…");
  return gbk;
}

}  // namespace dazi::captions
