// The web panel without a server, as in most runs: no host is asked, the local page fills the
// strip, and the feedback button opens the configured address or says there is none.
#include <QTest>
#include <QTextBrowser>

#include "tests/gui/WindowFixture.h"

namespace dazi::testing {
namespace {

using WebPanel = WindowTest;

TEST_F(WebPanel, WithoutAServerTheLocalPageAndTheFeedbackButtonAreShown) {
  EXPECT_FALSE(Control("Panel4")->isEnabled());  // no input until the pointer passes over
  EXPECT_FALSE(Shown("PanelYJJY"));
  ASSERT_TRUE(QTest::qWaitFor([this] { return window_->WebPanelSettled(); }, 5000));
  EXPECT_TRUE(Shown("PanelYJJY"));
  EXPECT_TRUE(window_->WebPanel().AdvertDecided());
  EXPECT_EQ(window_->WebPanel().PageUrl().fileName(), QStringLiteral("zuv.htm"));
  const auto* page = Control<QTextBrowser>("WebBrowser1");
  EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("今日提示"))) << "no blank strip";
  EXPECT_EQ(page->geometry(), QRect(QPoint(0, 0), Control("Panel4")->size()));
  EXPECT_EQ(window_->focusWidget(), Memo1());

  auto* button = Control<QToolButton>("SpeedButton3");
  EXPECT_EQ(button->text(), QStringLiteral("意见建议(&A)"));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_TRUE(openedUrls_.empty());
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_TRUE(notices_[0].text.contains(QStringLiteral("DAZI_FEEDBACK_URL")));

  QEnterEvent enter(QPointF(400, 150), QPointF(400, 150), QPointF(400, 150));
  QCoreApplication::sendEvent(window_.get(), &enter);
  EXPECT_TRUE(Control("Panel4")->isEnabled());
}

TEST_F(WebPanel, FeedbackButtonOpensTheFeedbackPageOfTheConfiguredServer) {
  WebPanelOptions web;
  web.feedbackUrl = "http://127.0.0.1:8765/";
  window_.reset();
  Open(nullptr, web);
  ASSERT_TRUE(QTest::qWaitFor([this] { return window_->WebPanelSettled(); }, 5000));
  QTest::mouseClick(Control<QToolButton>("SpeedButton3"), Qt::LeftButton);
  ASSERT_EQ(openedUrls_.size(), 1u);
  EXPECT_EQ(openedUrls_[0], QUrl(QStringLiteral("http://127.0.0.1:8765/dazu/docc/lykx/ywbd.htm")));
  EXPECT_TRUE(notices_.empty());
}

}  // namespace
}  // namespace dazi::testing
