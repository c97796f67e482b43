#include "chart/ChartFile.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <cmath>

#include "astro/Numbers.h"
#include "platform/Services.h"
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

bool WriteChartFile(const QString& path, const QStringList& fields) {
  QList<QByteArray> lines;
  lines.reserve(fields.size());
  // Encoded texts hold codes 0..255 only, so the ISO-8859-1 bytes are exact.
  for (const QString& field : fields) lines.append(EncodeText(field).toLatin1());
  return WriteDocumentLines(path, lines);
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

std::optional<QStringList> ReadChartFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.read(ChartFileMaxBytes);
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

QString CannotWriteMessage(const QString& path) {
  return QStringLiteral("The file \"%1\" could not be written. Nothing was saved, and any "
                        "existing file of that name was left as it was.")
      .arg(path);
}

QString CannotReadMessage(const QString& path) {
  return QStringLiteral("The file \"%1\" could not be read.").arg(path);
}

bool WriteDocumentLines(const QString& path, const QList<QByteArray>& lines) {
  QSaveFile file(path);
  bool ok = file.open(QIODevice::WriteOnly);
  for (const QByteArray& line : lines) {
    if (!ok) break;
    ok = file.write(line) == line.size() && file.write("\r\n", 2) == 2;
  }
  ok = ok && file.commit();
  if (!ok) {
    file.cancelWriting();
    platform::MsgBox(CannotWriteMessage(path), platform::MsgButtons::OK,
                     platform::MsgIcon::Critical);
  }
  return ok;
}
