#include "windows/modTellAFriend.h"

#include <QUrl>

#include "platform/Services.h"
#include "platform/Text.h"
#include "windows/modHelp_WebLinks.h"

QString strReferName;
QString strReferEmail;
QString strReferMessage;
QString strReferFriendName;
QString strReferFriendEmail;
QString strReferUrl;

using platform::TrimBlanks;

namespace {

// One query value: every character except the unreserved ones is percent-encoded
// (UTF-8), so "#", "&", "=", spaces and line breaks cannot cut the address short,
// add keys or make it invalid.
QString QueryValue(const QString& value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }

// Shows the message when the value is empty or still its watermark.
bool Missing(const QString& value, const QString& watermark, const QString& message) {
  const QString trimmed = TrimBlanks(value);
  if (!trimmed.isEmpty() && trimmed != watermark) return false;
  platform::MsgBox(message, platform::MsgButtons::OK, platform::MsgIcon::Critical);
  return true;
}

}  // namespace

QString BuildReferAFriendUrl(const QString& name, const QString& email, const QString& message,
                             const QString& friendName, const QString& friendEmail) {
  const QString site = HomePageAddress();
  const QString productPage = site + QStringLiteral("/qz-free-astrology-ormandel/");
  return site + QStringLiteral("/qzvs-refer-a-friend.php") + QStringLiteral("?taf1=") + QueryValue(name) +
         QStringLiteral("&taf2=") + QueryValue(email) + QStringLiteral("&taf3=") + QueryValue(message) +
         QStringLiteral("&taf4=") + QueryValue(friendName) + QStringLiteral("&taf5=") + QueryValue(friendEmail) +
         QStringLiteral("&taf6=") + QueryValue(productPage);
}

void SubmitReferAFriend() {
  if (Missing(strReferName, WatermarkName, QStringLiteral("Please Enter Your Name"))) return;
  if (Missing(strReferEmail, WatermarkEmail, QStringLiteral("Please Enter Your Email"))) return;
  if (Missing(strReferMessage, WatermarkMessage, QStringLiteral("Please Enter Your Message"))) return;
  if (Missing(strReferFriendName, WatermarkFriendName, QStringLiteral("Please Enter Your Friend's Name"))) return;
  if (Missing(strReferFriendEmail, WatermarkFriendEmail, QStringLiteral("Please Enter Your Friend's Email"))) {
    return;
  }
  strReferUrl = BuildReferAFriendUrl(strReferName, strReferEmail, strReferMessage, strReferFriendName,
                                     strReferFriendEmail);
  OpenReferAFriendUrl();
}

void OpenReferAFriendUrl() { static_cast<void>(platform::ShellOpen(strReferUrl)); }
