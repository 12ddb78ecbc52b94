// The web panel over Qt WebEngine against an advert server on 127.0.0.1: a page titled
// "sybgg" stays, any other first page is replaced by zuv.htm once, an unreachable server ends
// on zuv.htm, and without a server address no request is made. The feedback button appears
// once the page is judged.
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEngineView>

#include "tests/gui/WindowFixture.h"

namespace dazi::testing {
namespace {

constexpr int kEngineTimeoutMs = 60000;  // the engine's first start under the sanitizers

// A minimal HTTP server: every request gets one page with the given title.
class AdvertServer {
 public:
  explicit AdvertServer(const QString& title) : title_(title) {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) Serve(socket);
    });
  }

  QString Address() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
  }
  const QStringList& Requests() const { return requests_; }
  int Connections() const { return connections_; }

 private:
  void Serve(QTcpSocket* socket) {
    ++connections_;
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
      QByteArray& request = pending_[socket];
      request += socket->readAll();
      if (!request.contains("\r\n\r\n")) return;
      const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
      requests_.append(words.size() > 1 ? QString::fromLatin1(words[1]) : QString());
      pending_.remove(socket);
      const QByteArray body = QStringLiteral(
                                  "<!DOCTYPE html><html><head><title>%1</title></head>"
                                  "<body>advert</body></html>")
                                  .arg(title_)
                                  .toUtf8();
      socket->write(
          "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
          "Connection: close\r\nContent-Length: " +
          QByteArray::number(body.size()) + "\r\n\r\n" + body);
      socket->disconnectFromHost();
    });
  }

  QString title_;
  QTcpServer server_;
  QHash<QTcpSocket*, QByteArray> pending_;
  QStringList requests_;
  int connections_ = 0;
};

class WebEngine : public WindowTest {
 protected:
  void SetUp() override {}
  void OpenWithServer(const QString& address) {
    folder_.WriteBytes("zuv.gg", "test-7\r\n");
    WebPanelOptions web;
    web.advertServer = address.toStdString();
    web.webEngine = true;
    web.feedbackUrl = "http://127.0.0.1:9/";  // the button shows only with an address
    const FixtureDictionary d = WindowDictionary();
    Open(&d, web);
  }
  bool Settles() const {
    return QTest::qWaitFor([this] { return window_->WebPanelSettled(); }, kEngineTimeoutMs);
  }
  QUrl PageUrl() const { return window_->WebPanel().PageUrl(); }
  QString AdvertPath() const { return QStringLiteral("/index.php?ad=test-7"); }
};

TEST_F(WebEngine, AdvertPageTitledSybggStaysAndShowsTheButton) {
  AdvertServer server(QStringLiteral("sybgg"));
  OpenWithServer(server.Address());
  ASSERT_TRUE(Settles());
  EXPECT_EQ(PageUrl(), QUrl(server.Address() + AdvertPath()));
  EXPECT_TRUE(server.Requests().contains(AdvertPath()))
      << server.Requests().join(' ').toStdString();
  EXPECT_TRUE(Shown("PanelYJJY"));
  QTest::qWait(300);
  EXPECT_EQ(PageUrl(), QUrl(server.Address() + AdvertPath()));
  EXPECT_NE(Control<QWebEngineView>("WebBrowser1"), nullptr);
  EXPECT_EQ(window_->focusWidget(), Memo1());
}

TEST_F(WebEngine, AnotherTitleIsReplacedByTheLocalPageOnce) {
  AdvertServer server(QStringLiteral("maintenance"));
  OpenWithServer(server.Address());
  ASSERT_TRUE(Settles());
  EXPECT_EQ(PageUrl().fileName(), QStringLiteral("zuv.htm"));
  EXPECT_EQ(server.Requests().count(AdvertPath()), 1);

  // A later page (a link followed, say) is never replaced.
  auto* view = Control<QWebEngineView>("WebBrowser1");
  QSignalSpy loaded(view, &QWebEngineView::loadFinished);
  view->load(QUrl(server.Address() + AdvertPath()));
  ASSERT_TRUE(loaded.wait(kEngineTimeoutMs));
  QTest::qWait(300);
  EXPECT_EQ(PageUrl(), QUrl(server.Address() + AdvertPath()));
  EXPECT_TRUE(Shown("PanelYJJY"));
}

TEST_F(WebEngine, UnreachableServerEndsOnTheLocalPage) {
  QTcpServer closed;
  ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
  const QString address = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
  closed.close();
  OpenWithServer(address);
  ASSERT_TRUE(Settles());
  EXPECT_EQ(PageUrl().fileName(), QStringLiteral("zuv.htm"));
  EXPECT_TRUE(Shown("PanelYJJY"));
}

TEST_F(WebEngine, WithoutAServerAddressNoRequestIsMade) {
  AdvertServer server(QStringLiteral("sybgg"));
  OpenWithServer(QString());
  ASSERT_TRUE(Settles());
  EXPECT_EQ(PageUrl().fileName(), QStringLiteral("zuv.htm"));
  QTest::qWait(300);
  EXPECT_EQ(server.Connections(), 0);
  EXPECT_TRUE(Shown("PanelYJJY"));
}

}  // namespace
}  // namespace dazi::testing
