#include "windows/modHelp_UpdateReminder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "astro/Numbers.h"
#include "platform/Services.h"
#include "chart/modHelp_Codec.h"
#include "windows/modHelp_WebLinks.h"

QString strDurationName;
QString strInstallName;

namespace {

const QString Section = QStringLiteral("Settings");
constexpr int ReminderDays = 14;

// The locale's short date format with any two-digit year widened to four digits.
QString FourDigitShortFormat(const QLocale& locale) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return format;
}

// The stored counter as a 32-bit integer: fractions rounded to the nearest
// integer, halves to the even neighbour. Nothing when it is no number or out of
// range.
std::optional<std::int32_t> ToInteger(const QString& text) {
  const auto value = astro::ReadWholeNumber(text.trimmed().toStdString(), std::numeric_limits<std::int32_t>::min(),
                                            std::numeric_limits<std::int32_t>::max());
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

// Both names and values go through the codec; the names come coded already.
QString Read(const QString& codedName) {
  return DecodeText(platform::Service<platform::ISettingsStore>().Get(ReminderApplicationName(), Section, codedName));
}

void Write(const QString& codedName, const QString& value) {
  platform::Service<platform::ISettingsStore>().Save(ReminderApplicationName(), Section, codedName,
                                                     EncodeText(value));
}

// The stored counter's absolute value; nothing when it is missing, no number or
// has no absolute value in 32 bits.
std::optional<std::int32_t> StoredCounter() {
  const std::optional<std::int32_t> install = ToInteger(Read(strInstallName));
  if (!install || *install == std::numeric_limits<std::int32_t>::min()) return std::nullopt;
  return std::abs(*install);
}

}  // namespace

QString ReminderApplicationName() {
  const QString path = QCoreApplication::applicationFilePath();
  const QString base = QFileInfo(path).completeBaseName();
  return base.isEmpty() ? QCoreApplication::applicationName() : base;
}

QString ReminderDateText(const QDate& date) { return date.toString(Qt::ISODate); }

std::optional<QDate> ParseReminderDate(const QString& text, const QDate& today) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return std::nullopt;
  QDate date = QDate::fromString(trimmed, Qt::ISODate);
  if (date.isValid()) return date;
  // Dates stored before were in the locale's short form, the year widened to
  // four digits, or as the locale writes it.
  const QLocale locale;
  date = locale.toDate(trimmed, FourDigitShortFormat(locale));
  if (date.isValid()) return date;
  const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
  date = locale.toDate(trimmed, shortFormat);
  if (!date.isValid()) return std::nullopt;
  if (!shortFormat.contains(QLatin1String("yyyy"))) {
    // A two-digit year reads as 19xx: move it to the century nearest today.
    while (date.addYears(100) <= today.addYears(50)) date = date.addYears(100);
  }
  return date;
}

void CheckForUpdateReminder() {
  strDurationName = EncodeText(QStringLiteral("Duration"));
  strInstallName = EncodeText(QStringLiteral("Install"));
  const QDate today = platform::Service<platform::IClock>().Today();

  const QString stored = Read(strDurationName);
  if (stored.isEmpty()) {
    // First start: create both values silently.
    Write(strInstallName, QStringLiteral("1"));
    Write(strDurationName, ReminderDateText(today));
    return;
  }

  // A date that cannot be read (say, after the locale's date form changed) is
  // replaced as on a first start, and so is a counter that cannot be read with
  // it: no question now, the next one after the usual days.
  const std::optional<QDate> last = ParseReminderDate(stored, today);
  if (!last) {
    if (!StoredCounter()) Write(strInstallName, QStringLiteral("1"));
    Write(strDurationName, ReminderDateText(today));
    return;
  }
  const qint64 days = today.daysTo(*last);
  if (days >= -ReminderDays && days <= ReminderDays) return;

  const platform::MsgAnswer answer =
      platform::MsgBox(QStringLiteral("There maybe an update to this software available\r"
                                      "Do you want to check for an update?"),
                       platform::MsgButtons::YesNo, platform::MsgIcon::Information);

  // A counter that is missing or no number starts again at 1, as on a first
  // start, so the answer is kept and the question does not come back at once.
  Write(strInstallName, QString::number(StoredCounter().value_or(1)));
  Write(strDurationName, ReminderDateText(today));

  if (answer == platform::MsgAnswer::Yes) OpenDownloadPage();
}
