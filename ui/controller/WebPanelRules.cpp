#include "ui/controller/WebPanelRules.h"

#include <filesystem>
#include <fstream>

#include "engine/core/TextTrim.h"
#include "engine/user/DataFolder.h"

namespace dazi {
namespace {

std::string_view WithoutTrailingSlash(std::string_view address) {
  while (!address.empty() && address.back() == '/') address.remove_suffix(1);
  return address;
}

// Whether address (scheme://host[:port][/path]) names a path beyond the server itself.
bool HasPath(std::string_view address) {
  const std::size_t scheme = address.find("://");
  const std::size_t hostStart = scheme == std::string_view::npos ? 0 : scheme + 3;
  const std::size_t slash = address.find('/', hostStart);
  return slash != std::string_view::npos && !WithoutTrailingSlash(address.substr(slash)).empty();
}

}  // namespace

std::string FindWebFile(const std::string& name) {
  std::error_code ec;
  for (const std::filesystem::path& folder :
       {std::filesystem::current_path(ec), std::filesystem::path(SuppliedFolder())}) {
    const std::filesystem::path file = folder / name;
    if (std::filesystem::is_regular_file(file, ec)) return file.string();
  }
  return {};
}

std::string ReadAdvertIdentifier(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string line;
  if (!file || !std::getline(file, line)) return {};
  return TrimBlanks(line);
}

std::string AdvertPageAddress(std::string_view server, std::string_view identifier) {
  const std::string base = TrimBlanks(server);
  if (base.empty() || identifier.empty()) return {};
  std::string address(WithoutTrailingSlash(base));
  address += kAdvertPath;
  address += "?ad=";
  address += identifier;
  return address;
}

std::string FeedbackPageAddress(std::string_view configured) {
  const std::string address = TrimBlanks(configured);
  if (address.empty() || HasPath(address)) return address;
  return std::string(WithoutTrailingSlash(address)) + std::string(kFeedbackPath);
}

AdvertDecision::Step AdvertDecision::DocumentComplete(std::string_view title) {
  const bool firstJudgement = !decided_;
  decided_ = true;
  if (firstJudgement && title != kAdvertTitle) return Step::ShowLocalPage;
  return Step::ShowFeedbackButton;
}

}  // namespace dazi
