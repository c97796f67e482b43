#include "windows/modHelp_WebLinks.h"

#include "SiteConfig.h"
#include "platform/Services.h"

namespace {

QString WebSitePage(const char* path) { return QString::fromUtf8(site::WebSite) + QLatin1String(path); }
QString HelpSitePage(const char* path) { return QString::fromUtf8(site::HelpSite) + QLatin1String(path); }

// A page that cannot be opened has been told to the user by ShellOpen.
void OpenPage(const QString& address) { static_cast<void>(platform::ShellOpen(address)); }

}  // namespace

QString HomePageAddress() { return QString::fromUtf8(site::WebSite); }

void OpenHomePage() { OpenPage(HomePageAddress()); }

void OpenOnlineHelpPage() {
  OpenPage(WebSitePage("/qz-free-astrology-ormandel/qz-free-astrology-ormandel-help.html"));
}

void OpenDownloadPage() {
  OpenPage(WebSitePage("/qz-free-astrology-ormandel/download-qz-free-astrology-ormandel.html"));
}

void OpenSoftwareCataloguePage() { OpenPage(WebSitePage("/velmorasoftwares")); }

void OpenCoBrandPage() { OpenPage(HelpSitePage("/co-brand.html")); }

void OpenFullBrandPage() { OpenPage(HelpSitePage("/fully-branded.html")); }

void OpenDonatePage() { OpenPage(HelpSitePage("/donate.html")); }
