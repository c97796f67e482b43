// Refer-a-friend: the values of the exit screen's form, their checks, and the
// address of the maker's refer-a-friend page that carries them.
#pragma once

#include <QString>

// The trimmed box texts, written by the exit screen's submit handler.
extern QString strReferName;
extern QString strReferEmail;
extern QString strReferMessage;
extern QString strReferFriendName;
extern QString strReferFriendEmail;
// The address built by SubmitReferAFriend.
extern QString strReferUrl;

// The watermarks of the refer-a-friend boxes: what a box shows while empty.
inline const QString WatermarkName = QStringLiteral("Your Name");
inline const QString WatermarkEmail = QStringLiteral("Your Email Address");
inline const QString WatermarkMessage = QStringLiteral("Your Message");
inline const QString WatermarkFriendName = QStringLiteral("Friend's Name");
inline const QString WatermarkFriendEmail = QStringLiteral("Friend's Email Address");

// Checks the five values in order and shows the first failing check's message;
// when all pass, builds strReferUrl and opens it.
void SubmitReferAFriend();

// Hands strReferUrl to the shell; the result is not looked at.
void OpenReferAFriendUrl();

// The address of the refer-a-friend page carrying the six values, each
// percent-encoded as a query value under the keys taf1 to taf6.
QString BuildReferAFriendUrl(const QString& name, const QString& email, const QString& message,
                             const QString& friendName, const QString& friendEmail);
