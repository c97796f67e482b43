#include "chart/ChartFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <tuple>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "astro/Numbers.h"
#include "chart/modHelp_Codec.h"

namespace {

QString FlagText(bool value) {
  return value ? QStringLiteral("True") : QStringLiteral("False");
}

}  // namespace

std::optional<double> FieldNumber(const QString& text) {
  return astro::ReadNumber(text.trimmed().toStdString());
}

QString DocumentText(const std::string& text) {
  QString result = QString::fromStdString(text);
  result.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
  return result;
}

QStringList ChartFileFields(const astro::BirthRecordData& record, int zoneIndex) {
  return {
      DocumentText(record.BirthName),
      QString::number(record.BirthMonth),
      QString::number(record.BirthDay),
      QString::number(record.BirthYear),
      QString::number(record.BirthHour),
      QString::number(record.BirthMinute),
      QString::number(zoneIndex),
      QString::number(record.LongDegree),
      QString::number(record.LongMinute),
      QString::number(record.LatDegree),
      QString::number(record.LatMinute),
      FlagText(record.IsEast),
      FlagText(record.IsSouth),
      FlagText(record.IsDST),
      DocumentText(record.BirthCity),
      DocumentText(record.BirthState),
      DocumentText(record.BirthCountry),
  };
}

QList<QByteArray> ChartFileLines(const QStringList& fields) {
  QList<QByteArray> lines;
  lines.reserve(fields.size());
  // Encoded texts hold codes 0..255 only, so the ISO-8859-1 bytes are exact.
  for (const QString& field : fields) lines.append(EncodeText(field).toLatin1());
  return lines;
}

bool WriteChartFile(const QString& path, const QStringList& fields, QString* reason) {
  return WriteDocumentLines(path, ChartFileLines(fields), reason);
}

QByteArray DocumentBytes(const QList<QByteArray>& lines) {
  QByteArray bytes;
  for (const QByteArray& line : lines) bytes += line + "\r\n";
  return bytes;
}

QStringList SplitChartFileBytes(const QByteArray& bytes) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype size = bytes.size();
  while (lines.size() < ChartFileLineCount && start < size) {
    qsizetype end = start;
    while (end < size && bytes.at(end) != '\r') ++end;
    lines.append(QString::fromLatin1(bytes.constData() + start, end - start));
    start = end + 1;                                           // past the CR
    if (start < size && bytes.at(start) == '\n') ++start;      // and its LF
  }
  return lines;
}

std::optional<QStringList> ReadChartFile(const QString& path, QString* reason) {
  const auto fail = [reason](const QString& why) -> std::optional<QStringList> {
    if (reason) *reason = why;
    return std::nullopt;
  };
  const QString notOrdinary = QStringLiteral("it is not an ordinary file");
  if (QFileInfo info(path); info.exists() && !info.isFile()) return fail(notOrdinary);
  // Opened without waiting, and checked again once open, so that a pipe put in
  // the file's place in the meantime cannot block either.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return fail(QString::fromLocal8Bit(std::strerror(errno)));
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return fail(notOrdinary);
  }
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return fail(file.errorString());
  }
  const QByteArray bytes = file.read(ChartFileMaxBytes);
  if (file.error() != QFileDevice::NoError) return fail(file.errorString());
  file.close();
  QStringList lines = SplitChartFileBytes(bytes);
  for (QString& line : lines) line = DecodeText(line);
  return lines;
}

namespace {

// The row of a list whose entry text equals the field exactly; -1 when none does.
int EntryRow(const QStringList& entries, const QString& field) {
  return static_cast<int>(entries.indexOf(field));
}

// The row a number field names in a list of count rows, less offset, taken to the
// nearest whole number with halves going to the even neighbour; -1 when the
// field is no number or names no row.
int NumberRow(const QString& field, int offset, int count) {
  const std::optional<double> number = FieldNumber(field);
  if (!number) return -1;
  const double row = astro::RoundHalfEven(*number - offset);
  return row >= 0 && row < count ? static_cast<int>(row) : -1;
}

// What the messages call each field.
constexpr std::array<const char*, ChartFileLineCount> FieldNames{
    "name",           "month",           "day",
    "year",           "hour",            "minute",
    "time zone",      "longitude degrees", "longitude minutes",
    "latitude degrees", "latitude minutes", "east or west",
    "north or south", "daylight saving", "city",
    "state",          "country"};

}  // namespace

std::variant<ChartFileEntries, ChartFileProblem> ReadChartFileEntries(const QStringList& lines,
                                                                      const ChartFileLists& lists) {
  if (lines.size() < ChartFileLineCount) {
    return ChartFileProblem{static_cast<ChartFileLine>(lines.size()), true};
  }
  ChartFileEntries e;
  const std::array<std::tuple<ChartFileLine, int*, int>, 6> rows{{
      {cfMonth, &e.Month, NumberRow(lines[cfMonth], 1, lists.Months)},
      {cfDay, &e.Day, EntryRow(lists.Days, lines[cfDay])},
      {cfYear, &e.Year, EntryRow(lists.Years, lines[cfYear])},
      {cfHour, &e.Hour, EntryRow(lists.Hours, lines[cfHour])},
      {cfMinute, &e.Minute, EntryRow(lists.Minutes, lines[cfMinute])},
      {cfTimeZone, &e.Zone, NumberRow(lines[cfTimeZone], 0, lists.Zones)},
  }};
  for (const auto& [line, entry, row] : rows) {
    if (row < 0) return ChartFileProblem{line, false};
    *entry = row;
  }
  e.Name = lines[cfName];
  e.LongDegree = lines[cfLongDegree];
  e.LongMinute = lines[cfLongMinute];
  e.LatDegree = lines[cfLatDegree];
  e.LatMinute = lines[cfLatMinute];
  e.East = FieldFlag(lines[cfEast]);
  e.South = FieldFlag(lines[cfSouth]);
  e.DST = FieldFlag(lines[cfDST]);
  e.City = lines[cfCity];
  e.State = lines[cfState];
  e.Country = lines[cfCountry];
  return e;
}

QString UnreadableChartMessage(const QString& path, const ChartFileProblem& problem) {
  const QString field = QStringLiteral("%1 (line %2)")
                            .arg(QLatin1String(FieldNames[static_cast<std::size_t>(problem.Field)]))
                            .arg(problem.Field + 1);
  const QString what = problem.Missing ? QStringLiteral("it ends before its %1").arg(field)
                                       : QStringLiteral("its %1 cannot be read").arg(field);
  return QStringLiteral("The file \"%1\" could not be opened as a chart: %2. The input window was "
                        "left as it was.")
      .arg(path, what);
}

bool FieldFlag(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) return true;
  if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) return false;
  if (const std::optional<double> number = FieldNumber(trimmed)) return *number != 0.0;
  return true;
}

QString CannotWriteMessage(const QString& path, const QString& reason) {
  return QStringLiteral("The file \"%1\" could not be written (%2). Nothing was saved, and any "
                        "existing file of that name was left as it was.")
      .arg(path, reason);
}

QString CannotReadMessage(const QString& path, const QString& reason) {
  return QStringLiteral("The file \"%1\" could not be read (%2).").arg(path, reason);
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* failure) {
  QSaveFile file(path);
  // Unbuffered, every write reaches the system at once and its failure is seen
  // here, with the system's reason, instead of in a flush inside commit().
  bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  for (qint64 done = 0; ok && done < bytes.size();) {
    const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
    ok = written > 0;  // a short write is followed by one that reports the cause
    if (ok) done += written;
  }
  ok = ok && file.flush() && file.error() == QFileDevice::NoError;
  QString reason = ok ? QString() : file.errorString();
  // Some file systems report a full disk only when the data is synced.
  if (ok && ::fsync(file.handle()) != 0 && errno != EINVAL) {
    ok = false;
    reason = QString::fromLocal8Bit(std::strerror(errno));
  }
  if (ok) {
    ok = file.commit();
    if (!ok) reason = file.errorString();
  } else {
    file.cancelWriting();
  }
  if (!ok && failure) *failure = reason.isEmpty() ? QStringLiteral("unknown error") : reason;
  return ok;
}

bool WriteDocumentLines(const QString& path, const QList<QByteArray>& lines, QString* reason) {
  return WriteWholeFile(path, DocumentBytes(lines), reason);
}

QString CharactersNotKept(const astro::BirthRecordData& record) {
  const QString texts = DocumentText(record.BirthName) + DocumentText(record.BirthCity) +
                        DocumentText(record.BirthState) + DocumentText(record.BirthCountry);
  QList<char32_t> lost;
  for (const char32_t c : texts.toUcs4()) {
    if (c > 0xFF && !lost.contains(c)) lost.append(c);
  }
  QStringList shown;
  for (const char32_t c : lost) shown.append(QString::fromUcs4(&c, 1));
  return shown.join(QLatin1Char(' '));
}
