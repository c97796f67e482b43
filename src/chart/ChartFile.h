// The saved-chart file: 17 lines, one field each, every line through EncodeText,
// ISO-8859-1 with CR LF line ends. The file holds the birth data that produced a
// chart, not computed results; opening it recomputes the chart.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <variant>

#include "astro/Shared.h"

// The file name last chosen in the main window's Save As or Export dialog; both
// dialogs propose it. Empty at start.
inline QString ChartDialogFile;

inline constexpr int ChartFileLineCount = 17;

// Reading stops after this many bytes: a chart file is a few hundred bytes, and
// the longest field the codec can carry is 32,767 characters.
inline constexpr qint64 ChartFileMaxBytes = 1 << 20;

// Line numbers (from 0) of the fields of the chart file.
enum ChartFileLine {
  cfName, cfMonth, cfDay, cfYear, cfHour, cfMinute, cfTimeZone,
  cfLongDegree, cfLongMinute, cfLatDegree, cfLatMinute,
  cfEast, cfSouth, cfDST, cfCity, cfState, cfCountry
};

// The 17 plain field texts of a chart: the record's fields in file order, the
// zone as the given list row, the flags as "True" or "False". The free-text
// fields (name, city, state, country) are written without control characters.
QStringList ChartFileFields(const astro::BirthRecordData& record, int zoneIndex);

// A free text of the birth record (UTF-8) as the documents write it: without
// control characters. A pasted or reopened text may hold them; the codec would
// turn the two that lie CodecShift below LF and CR into line ends, splitting the
// chart file's lines, and in the export they would break its line layout.
QString DocumentText(const std::string& text);

// Writes the fields, each encoded, as a chart file. False, with the system's
// reason, when the file cannot be written; an existing file is then left as it was.
bool WriteChartFile(const QString& path, const QStringList& fields, QString* reason = nullptr);

// The lines of a chart file: each field encoded, as single-byte text.
QList<QByteArray> ChartFileLines(const QStringList& fields);

// The bytes of a document: each line followed by CR LF.
QByteArray DocumentBytes(const QList<QByteArray>& lines);

// The decoded lines of a chart file, at most 17 (fewer when the file is cut
// short). A line ends at CR or CR LF. At most ChartFileMaxBytes are read. Only an
// ordinary file is read (a named pipe or device could block the window for good):
// for anything else, or a file that cannot be opened, nothing, with the reason in
// *reason when given.
std::optional<QStringList> ReadChartFile(const QString& path, QString* reason = nullptr);

// The line texts of raw file bytes, as ReadChartFile splits them (not decoded).
QStringList SplitChartFileBytes(const QByteArray& bytes);

// A field read as a number: surrounding white space trimmed, a finite decimal
// number. Nothing when the text is not one.
std::optional<double> FieldNumber(const QString& text);

// The entries of the input window's lists that a chart file's fields are
// matched against: the texts of the day, year, hour and minute lists, and the
// number of months and time-zone rows.
struct ChartFileLists {
  QStringList Days, Years, Hours, Minutes;
  int Months = 0;
  int Zones = 0;
};

// A chart file's fields as the input window takes them: the texts of the boxes
// unchanged, the lists' rows, the three choices.
struct ChartFileEntries {
  QString Name, LongDegree, LongMinute, LatDegree, LatMinute, City, State, Country;
  int Month = 0, Day = 0, Year = 0, Hour = 0, Minute = 0, Zone = 0;
  bool East = false, South = false, DST = false;
};

// The first field of a chart file that cannot be read.
struct ChartFileProblem {
  ChartFileLine Field = cfName;
  bool Missing = false;  // the file ends before it
};

// The fields of a chart file's decoded lines, or the first that cannot be read:
// a line the file does not have, a month or zone that is no number naming a
// row (the month's number less one, taken to the nearest whole number with
// halves going to the even neighbour, is its row), or a day, year, hour or
// minute that equals no entry of its list. Every other field reads.
std::variant<ChartFileEntries, ChartFileProblem> ReadChartFileEntries(const QStringList& lines,
                                                                      const ChartFileLists& lists);

// The message for a chart file refused as a whole, naming the file and its
// first field that cannot be read.
QString UnreadableChartMessage(const QString& path, const ChartFileProblem& problem);

// A flag field: "True"/"False" in any letter case, or a number (zero is false).
// Anything else, the empty text included, counts as true.
bool FieldFlag(const QString& text);

// Writes lines of single-byte text, each followed by CR LF, through WriteWholeFile.
bool WriteDocumentLines(const QString& path, const QList<QByteArray>& lines, QString* reason = nullptr);

// Makes bytes the whole content of the file at path. The file is replaced only
// after every byte was accepted by the system and synced, so a full disk or a
// size limit leaves any existing file exactly as it was and no partial file
// behind. (QSaveFile::commit alone may report success after its last buffered
// write failed.) On failure returns false with the system's reason.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// The characters of the record's free texts that the single-byte documents cannot
// hold (they are written as "?"), each once, separated by blanks; empty when every
// character can be kept.
QString CharactersNotKept(const astro::BirthRecordData& record);

// The messages shown when a document cannot be written or read, with the reason
// the system gave.
QString CannotWriteMessage(const QString& path, const QString& reason);
QString CannotReadMessage(const QString& path, const QString& reason);
