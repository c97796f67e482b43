// Texts that several windows show the same: the program's title with its
// version, the forum invitation and the maker's two offers.
#pragma once

#include <QString>

#include "ProgramVersion.h"
#include "platform/Services.h"
#include "windows/modHelp_WebLinks.h"

// "QZ Astrology Ormandel v<version>": the caption of the program's windows.
inline QString VersionedTitle() { return platform::AppTitle + QStringLiteral(" v") + QLatin1String(program::Version); }

// The invitation to the forum on the home page.
inline QString HomePageInvitation() {
  return QStringLiteral("Share your chart and your questions in our astrology forum. Visit ") + HomePageAddress() +
         QStringLiteral(" Now");
}

// The offer of a fully branded copy.
inline QString FullBrandOffer() {
  return QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                        "Get this software fully branded for your website. Click here for more details.");
}

// The offer of co-branding, as the about box shows it: what it brings.
inline QString CoBrandInvitation() {
  return QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                        "Put your site's name &  link here.");
}

// The whole offer of co-branding: the invitation, where to read about it and the
// link's words, set apart from what comes before by `gap` spaces.
inline QString CoBrandOffer(int gap) {
  return CoBrandInvitation() + QStringLiteral(" See \"Help\" for details.") + QString(gap, QLatin1Char(' ')) +
         QStringLiteral("Click Here for more info on co-branding.");
}
