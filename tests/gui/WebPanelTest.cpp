// The web panel without a server, as in most runs: no host is asked, the local page fills the
// strip, and the feedback button opens the configured address or says there is none.
#include <QTest>
#include <QTextBrowser>

#include "tests/gui/WindowFixture.h"
#include "ui/qt/WidgetSupport.h"

namespace dazi::testing {
namespace {

using WebPanel = WindowTest;

TEST_F(WebPanel, WithoutAServerTheLocalPageIsShownAndWithoutAnAddressNoFeedbackButton) {
  EXPECT_FALSE(Control("Panel4")->isEnabled());  // no input until the pointer passes over
  EXPECT_FALSE(Shown("PanelYJJY"));
  ASSERT_TRUE(QTest::qWaitFor([this] { return window_->WebPanelSettled(); }, 5000));
  EXPECT_FALSE(Shown("PanelYJJY")) << "a button that can only say no address is set";
  EXPECT_TRUE(window_->WebPanel().AdvertDecided());
  EXPECT_EQ(window_->WebPanel().PageUrl().fileName(), QStringLiteral("zuv.htm"));
  const auto* page = Control<QTextBrowser>("WebBrowser1");
  EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("今日提示"))) << "no blank strip";
  EXPECT_EQ(page->geometry(), QRect(QPoint(0, 0), Control("Panel4")->size()));
  EXPECT_EQ(window_->focusWidget(), Memo1());

  QEnterEvent enter(QPointF(400, 150), QPointF(400, 150), QPointF(400, 150));
  QCoreApplication::sendEvent(window_.get(), &enter);
  EXPECT_TRUE(Control("Panel4")->isEnabled());
}

// Pressing and moving on the page drags the window (offscreen it follows the pointer
// itself) and selects no text; a click without a move still reaches the page.
TEST_F(WebPanel, DraggingOnTheStripMovesTheWindow) {
  ASSERT_TRUE(QTest::qWaitFor([this] { return window_->WebPanelSettled(); }, 5000));
  Control("Panel4")->setEnabled(true);
  auto* page = Control<QTextBrowser>("WebBrowser1");
  QWidget* surface = page->viewport();
  const QPoint start = window_->pos();
  QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(200, 40));
  QTest::mouseMove(surface, QPoint(260, 50));
  QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(260, 50));
  EXPECT_EQ(window_->pos(), start + QPoint(60, 10));
  EXPECT_FALSE(page->textCursor().hasSelection());

  int presses = 0;
  OnClick(surface, [&presses] { ++presses; });
  QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(200, 40));
  EXPECT_EQ(presses, 1) << "the click is handed to the page";
  EXPECT_EQ(window_->pos(), start + QPoint(60, 10));
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
