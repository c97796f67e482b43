// The update reminder: at start, asks whether to look for an update when the last
// reminder lies more than 14 days away, and opens the download page on Yes. Its
// state is two coded values of the per-user settings store.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Runs the reminder once; called by the start-up form before any window shows.
void CheckForUpdateReminder();

// The settings application name: the executable's file name without extension.
QString ReminderApplicationName();

// A date as the reminder stores it: year, month and day in digits 0 to 9
// ("2026-03-04"), which every locale reads back and the settings' single-byte
// coding keeps.
QString ReminderDateText(const QDate& date);

// Reads a stored date back: the stored form above, then the forms stored before
// it, the locale's short form with a four-digit year and the locale's own short
// form (a two-digit year taken within 50 years of today). Nothing when the text
// is not a date.
std::optional<QDate> ParseReminderDate(const QString& text, const QDate& today);

// The encoded value names, worked out at the start of each reminder.
extern QString strDurationName;
extern QString strInstallName;
