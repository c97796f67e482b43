// Each web-link procedure hands exactly its own address to the shell.
#include <gtest/gtest.h>

#include "SiteConfig.h"
#include "windows/modHelp.h"
#include "support/Doubles.h"

namespace {

class WebLinksTest : public testing_doubles::WindowTest {};

TEST_F(WebLinksTest, EachProcedureOpensItsOwnAddress) {
  const QString web = QString::fromUtf8(site::WebSite);
  const QString help = QString::fromUtf8(site::HelpSite);
  const std::vector<std::pair<void (*)(), QString>> links{
      {&OpenHomePage, web},
      {&OpenOnlineHelpPage, web + "/qz-free-astrology-ormandel/qz-free-astrology-ormandel-help.html"},
      {&OpenDownloadPage, web + "/qz-free-astrology-ormandel/download-qz-free-astrology-ormandel.html"},
      {&OpenSoftwareCataloguePage, web + "/velmorasoftwares"},
      {&OpenCoBrandPage, help + "/co-brand.html"},
      {&OpenFullBrandPage, help + "/fully-branded.html"},
      {&OpenDonatePage, help + "/donate.html"},
  };
  for (const auto& [open, address] : links) {
    d.shell->opened.clear();
    open();
    EXPECT_EQ(d.shell->opened, QStringList{address});
  }
  EXPECT_EQ(HomePageAddress(), web);
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST_F(WebLinksTest, EveryCallOpensAgain) {
  OpenDonatePage();
  OpenDonatePage();
  EXPECT_EQ(d.shell->opened.size(), 2);
}

// A shell that cannot open anything: the program carries on without a message.
class FailingShell final : public platform::IShellOpen {
 public:
  bool Open(const QString&) override {
    ++calls;
    return false;
  }
  int calls = 0;
};

TEST_F(WebLinksTest, AFailedOpenIsToldWithTheAddress) {
  auto owned = std::make_unique<FailingShell>();
  FailingShell* shell = owned.get();
  platform::Install<platform::IShellOpen>(std::move(owned));
  OpenHomePage();
  OpenCoBrandPage();
  EXPECT_EQ(shell->calls, 2);
  ASSERT_EQ(d.messages->shown.size(), 2u);
  EXPECT_EQ(d.messages->shown[0].text, platform::CannotOpenAddressMessage(HomePageAddress()));
  EXPECT_TRUE(d.messages->shown[0].text.endsWith("\n\n" + HomePageAddress()));
  EXPECT_EQ(d.messages->shown[0].icon, platform::MsgIcon::Critical);
  EXPECT_TRUE(d.messages->shown[1].text.endsWith("/co-brand.html"));
}

}  // namespace
