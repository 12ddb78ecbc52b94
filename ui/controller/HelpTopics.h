// The built-in help topics of the two input methods: the titles shown in the help trees and
// the lines of text each topic shows. UTF-8; a line that starts a paragraph begins with four
// blanks.
#pragma once

#include <span>
#include <string_view>

namespace dazi {

struct HelpTopic {
  std::string_view title;
  int level = 0;  // every topic is a top-level node; there are no sub-topics
  std::span<const std::string_view> lines;
};

// TreeView1: the topics of the pinyin method 澜音, in node order.
std::span<const HelpTopic> PinyinHelpTopics();
// TreeView2: the topics of the keypad method KX, in node order.
std::span<const HelpTopic> KeypadHelpTopics();

}  // namespace dazi
