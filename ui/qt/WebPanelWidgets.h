// The web panel across the top of the main window: Panel4 with the browser WebBrowser1, and
// PanelYJJY with the feedback button "意见建议(&A)". The advert page is tried once per run;
// without it (no server configured, no zuv.gg, no answer) the local page zuv.htm is shown.
#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "ui/controller/WebPanelRules.h"
#include "ui/qt/WebBrowser.h"

namespace dazi {

struct WebPanelOptions {
  std::string advertServer;  // base address of the advert server; empty: no host is contacted
  std::string feedbackUrl;   // the feedback page, or its server's base address
  bool webEngine = false;    // Qt WebEngine; otherwise the plain view of local pages

  // DAZI_ADVERT_SERVER, DAZI_FEEDBACK_URL, and whether Qt WebEngine can start here.
  static WebPanelOptions FromEnvironment();
};

class WebPanelWidgets {
 public:
  using OpenUrl = std::function<void(const QUrl&)>;
  using Notice = std::function<void(const QString& text)>;

  // openUrl opens the feedback page in the system's browser; notice tells the user why not.
  WebPanelWidgets(QWidget* window, WebPanelOptions options, OpenUrl openUrl, Notice notice);
  ~WebPanelWidgets();

  // true: the advert page (or, without one, the local page as after a failed load);
  // false: the local page zuv.htm.
  void LoadAdvertPage(bool advert);

  bool AdvertDecided() const { return decision_.AdvertDecided(); }
  // The page shown is judged (and the feedback button visible, where an address is set).
  bool Settled() const;
  QWidget* Panel4() const { return panel4_; }
  QUrl PageUrl() const { return browser_ ? browser_->Url() : QUrl(); }

 private:
  WebBrowser& Browser();
  void UseBrowser(std::unique_ptr<WebBrowser> browser);
  void WebBrowser1DocumentComplete(const QString& title);
  void Settle();
  void EngineLost();
  void SpeedButton3Click();

  WebPanelOptions options_;
  OpenUrl openUrl_;
  Notice notice_;
  QWidget* panel4_ = nullptr;
  QWidget* panelYJJY_ = nullptr;
  std::unique_ptr<WebBrowser> browser_;
  AdvertDecision decision_;
  bool settled_ = false;
};

// The local page: zuv.htm in the data folder or the supplied folder, else the copy built
// into the program.
QUrl LocalPageUrl();

}  // namespace dazi
