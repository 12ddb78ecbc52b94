// The web panel's rules without a browser: the advert identifier of zuv.gg, the addresses of
// the advert and feedback pages, and what each completed document means for the panel.
#pragma once

#include <string>
#include <string_view>

namespace dazi {

inline constexpr std::string_view kAdvertTitle = "sybgg";  // a correctly loaded advert page
inline constexpr std::string_view kAdvertPath = "/index.php";
inline constexpr std::string_view kFeedbackPath = "/dazu/docc/lykx/ywbd.htm";

// The web panel's file name in the data folder, else in the supplied folder (SuppliedFolder,
// engine/user/DataFolder.h); empty when neither holds it.
std::string FindWebFile(const std::string& name);

// The first line of the file at path without leading and trailing blanks and control
// characters; empty when the file is missing or empty.
std::string ReadAdvertIdentifier(const std::string& path);

// server + "/index.php?ad=" + identifier, the identifier unescaped. Empty (nothing to ask
// for) when either is empty: no host is contacted then.
std::string AdvertPageAddress(std::string_view server, std::string_view identifier);

// The feedback page for a configured address: a bare server address gets the page's path,
// an address with a path of its own is kept. Empty when nothing is configured.
std::string FeedbackPageAddress(std::string_view configured);

// AdvertDecided and the judgement of WebBrowser1DocumentComplete.
class AdvertDecision {
 public:
  enum class Step {
    ShowLocalPage,       // the advert page did not arrive: zuv.htm instead
    ShowFeedbackButton,  // a page is there: PanelYJJY becomes visible
  };

  // A document finished loading with this title.
  Step DocumentComplete(std::string_view title);
  // No advert page is asked for (no server, no identifier, no browser that fetches): decided
  // at once, as after a failed load.
  void Skip() { decided_ = true; }
  bool AdvertDecided() const { return decided_; }

 private:
  bool decided_ = false;
};

}  // namespace dazi
