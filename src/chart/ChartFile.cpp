#include "chart/ChartFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <cerrno>
#include <cmath>
#include <cstring>
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
  while (lines.size() < ChartFileLineCount) lines.append(QString());
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
