// The web panel's rules: the advert identifier, the two addresses, and the judgement of each
// completed document.
#include <gtest/gtest.h>

#include "tests/support/TempDataFolder.h"
#include "ui/controller/WebPanelRules.h"

namespace dazi::testing {
namespace {

TEST(WebPanelRules, AdvertIdentifierIsTheTrimmedFirstLine) {
  TempDataFolder folder;
  const struct {
    const char* bytes;
    const char* identifier;
  } cases[] = {
      {"  abc-12 \r\nsecond line\r\n", "abc-12"},
      {"\tx y\x01\n", "x y"},
      {"", ""},
      {"\r\n", ""},
  };
  for (const auto& c : cases) {
    folder.WriteBytes("zuv.gg", c.bytes);
    EXPECT_EQ(ReadAdvertIdentifier(folder.File("zuv.gg")), c.identifier) << c.bytes;
  }
  EXPECT_EQ(ReadAdvertIdentifier(folder.File("missing.gg")), "");
}

TEST(WebPanelRules, AddressesOfTheAdvertAndFeedbackPages) {
  EXPECT_EQ(AdvertPageAddress("http://127.0.0.1:8765", "a&b c"),
            "http://127.0.0.1:8765/index.php?ad=a&b c");  // the identifier unescaped
  EXPECT_EQ(AdvertPageAddress("http://example.org/", "7"), "http://example.org/index.php?ad=7");
  EXPECT_EQ(AdvertPageAddress("", "7"), "");                   // no server: no request
  EXPECT_EQ(AdvertPageAddress("http://example.org", ""), "");  // nothing to ask for
  EXPECT_EQ(AdvertPageAddress("   ", "7"), "");

  EXPECT_EQ(FeedbackPageAddress("http://example.org"),
            "http://example.org/dazu/docc/lykx/ywbd.htm");
  EXPECT_EQ(FeedbackPageAddress("http://example.org/"),
            "http://example.org/dazu/docc/lykx/ywbd.htm");
  EXPECT_EQ(FeedbackPageAddress("https://example.org/contact.html"),
            "https://example.org/contact.html");
  EXPECT_EQ(FeedbackPageAddress(""), "");
}

TEST(WebPanelRules, OnlyTheFirstDocumentIsJudged) {
  using Step = AdvertDecision::Step;
  AdvertDecision failed;
  EXPECT_FALSE(failed.AdvertDecided());
  EXPECT_EQ(failed.DocumentComplete("127.0.0.1"), Step::ShowLocalPage);  // an error page
  EXPECT_TRUE(failed.AdvertDecided());
  EXPECT_EQ(failed.DocumentComplete("local page"), Step::ShowFeedbackButton);
  EXPECT_EQ(failed.DocumentComplete("anything"), Step::ShowFeedbackButton);

  AdvertDecision arrived;
  EXPECT_EQ(arrived.DocumentComplete("sybgg"), Step::ShowFeedbackButton);
  EXPECT_EQ(arrived.DocumentComplete("other"), Step::ShowFeedbackButton);

  AdvertDecision skipped;  // no server: decided before any document
  skipped.Skip();
  EXPECT_EQ(skipped.DocumentComplete("local page"), Step::ShowFeedbackButton);
}

}  // namespace
}  // namespace dazi::testing
