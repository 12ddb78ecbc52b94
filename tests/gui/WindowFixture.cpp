#include "tests/gui/WindowFixture.h"

#include <QTest>
#include <QTextBlock>

#include "engine/core/Gbk.h"

namespace dazi::testing {

using dictwriter::kAttrSimplified;
using dictwriter::kStrokeSimplified;

FixtureDictionary WindowDictionary() {
  FixtureDictionary d;
  auto add = [&d](const char* ch, const char* spelling, const char* strokes, const char* gloss) {
    const int n = d.AddChar(ch);
    d.AddReading(n, spelling, static_cast<std::uint16_t>(kAttrSimplified | 1));
    dictwriter::Character& c = d.Source().chars.back();
    c.gloss = gloss;
    c.dictText = GbkFromUtf8(std::string(ch) + "：释义");
    c.strokeCodes.push_back(dictwriter::PackStrokeCode(strokes));
    d.Source().strokeLists[static_cast<std::size_t>(strokes[0] - '1')].push_back(
        {static_cast<std::uint16_t>(n), kStrokeSimplified, 0});
    return n;
  };
  const int zhong = add("中", "zhongs", "2512", "middle");
  const int guo = add("国", "guos", "2511", "country; nation; state; the land a people lives in");
  const int ni = add("你", "nip", "3235", "you");
  const int hao = add("好", "haoz", "531", "good");
  add("人", "renp", "34", "person");
  add("八", "bap", "34", "eight");
  d.AddWord({zhong, guo}, true, false, 0, 0, "China");
  d.AddWord({ni, hao}, true, false, 0, 0, "hello");
  return d;
}

void WindowTest::SetUp() {
  const FixtureDictionary d = WindowDictionary();
  Open(&d);
}

void WindowTest::Open(const FixtureDictionary* d, WebPanelOptions web) {
  if (d != nullptr) {
    FixtureDictionary copy = *d;
    ASSERT_EQ(copy.Write(), "");
  }
  window_ = std::make_unique<TForm_Main>(
      [this](QWidget* parent, const QString& caption, const QString& text) {
        notices_.push_back({caption, text, parent != nullptr && parent->window()->isVisible()});
      },
      std::move(web), [this](const QUrl& url) { openedUrls_.push_back(url); });
  window_->show();
}

std::vector<QString> WindowTest::Memo1Lines() const {
  std::vector<QString> lines;
  const auto* memo = static_cast<PracticeArea*>(Memo1());
  QTextBlock b = memo->document()->begin();
  for (int i = 0; i < memo->LineCount() && b.isValid(); ++i, b = b.next())
    lines.push_back(b.text());
  return lines;
}

void WindowTest::Click(const char* name) const {
  QWidget* control = Control(name);
  ASSERT_NE(control, nullptr);
  QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

}  // namespace dazi::testing
