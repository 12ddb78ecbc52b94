// The web panel as a user sees it on a real X server (Xvfb in the test run): the strip is
// grabbed from the screen, not from the widget, since a widget's own picture can show a page
// that the screen never did. A page with an opaque background shows as sent; the tip page
// keeps the window's picture around its card, after an opaque page too.
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include "tests/gui/WindowFixture.h"

namespace dazi::testing {
namespace {

constexpr int kEngineTimeoutMs = 60000;  // the engine's first start under the sanitizers

// The share of the image's pixels within a small distance of colour.
double Share(const QImage& image, QRgb colour) {
  if (image.isNull()) return 0;
  long near = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (std::abs(qRed(p) - qRed(colour)) <= 3 && std::abs(qGreen(p) - qGreen(colour)) <= 3 &&
          std::abs(qBlue(p) - qBlue(colour)) <= 3)
        ++near;
    }
  return static_cast<double>(near) / (image.width() * image.height());
}

QByteArray OpaquePage(const char* background) {
  return QByteArray(
             "<!DOCTYPE html><html><head><title>page</title></head><body style=\""
             "margin:0;background:") +
         background + "\"><p>opaque</p></body></html>";
}

class WebScreen : public WindowTest {
 protected:
  void SetUp() override {}
  void OpenWithEngine() {
    WebPanelOptions web;
    web.webEngine = true;
    const FixtureDictionary d = WindowDictionary();
    Open(&d, web);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    // The pointer passes over the window, as it does on a user's screen: the strip takes input.
    QEnterEvent enter(QPointF(400, 150), QPointF(400, 150), QPointF(400, 150));
    QCoreApplication::sendEvent(window_.get(), &enter);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return window_->WebPanel().AdvertDecided(); }, kEngineTimeoutMs));
  }
  // The strip as on the screen.
  QImage Strip() const {
    QWidget* panel = Control("Panel4");
    const QPoint at = panel->mapToGlobal(QPoint(0, 0));
    return window_->screen()
        ->grabWindow(0, at.x(), at.y(), panel->width(), panel->height())
        .toImage();
  }
  // The engine draws a moment after a page loads: waits for the screen to show colour over
  // most of the strip.
  bool StripShows(QRgb colour) const {
    return QTest::qWaitFor([&] { return Share(Strip(), colour) > 0.8; }, kEngineTimeoutMs);
  }
  void Load(const QUrl& url) {
    auto* view = Control<QWebEngineView>("WebBrowser1");
    ASSERT_NE(view, nullptr);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    view->load(url);
    ASSERT_TRUE(loaded.wait(kEngineTimeoutMs));
  }
};

TEST_F(WebScreen, AnOpaqueLocalPageIsSeenOnTheScreen) {
  folder_.WriteBytes("zuv.htm", OpaquePage("#ffe9a8").toStdString());
  OpenWithEngine();
  EXPECT_TRUE(StripShows(qRgb(0xff, 0xe9, 0xa8))) << "the strip shows no page";
}

TEST_F(WebScreen, AWhitePageShowsAndTheTipPageThenKeepsTheWindowPictureAroundItsCard) {
  OpenWithEngine();
  const QImage tip = Strip();
  ASSERT_LT(Share(tip, qRgb(255, 255, 255)), 0.05) << "the tip page is drawn on white";

  folder_.WriteBytes("white.htm", OpaquePage("white").toStdString());
  Load(QUrl::fromLocalFile(QString::fromStdString((folder_.Path() / "white.htm").string())));
  EXPECT_TRUE(StripShows(qRgb(255, 255, 255))) << "the white page is not seen";

  Load(LocalPageUrl());
  EXPECT_TRUE(QTest::qWaitFor([this] { return Share(Strip(), qRgb(255, 255, 255)) < 0.05; },
                              kEngineTimeoutMs))
      << "the tip page stays on an opaque white card";
  // The rows above the card show the window's picture, as on the first showing.
  const QImage again = Strip();
  for (int x = 20; x < tip.width() - 20; x += 97)
    EXPECT_EQ(again.pixel(x, 1), tip.pixel(x, 1)) << "at x " << x;
}

}  // namespace
}  // namespace dazi::testing
