// The chart file's format on its own: fields, line splitting, bounded reading,
// conversions and the all-or-nothing writer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <functional>
#include <tuple>
#include <variant>
#include <vector>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "chart/ChartFile.h"
#include "chart/modHelp_Codec.h"
#include "windows/modSaveForm.h"
#include "support/Doubles.h"
#include "support/SampleBirths.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteRaw(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

astro::BirthRecordData MarchRecord() { return samples::AshaRao().Record; }

class ChartFileTest : public testing_doubles::WindowTest {
 protected:
  QTemporaryDir dir;
  QString Path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
};

TEST_F(ChartFileTest, MarchChartWritesSeventeenEncodedLines) {
  const QString path = Path(QStringLiteral("asha.kdw"));
  ASSERT_TRUE(WriteChartFile(path, ChartFileFields(MarchRecord(), 12)));

  const QByteArray bytes = ReadAll(path);
  ASSERT_TRUE(bytes.endsWith("\r\n"));
  EXPECT_EQ(bytes.count("\r\n"), 17);
  const QList<QByteArray> raw = bytes.split('\n');
  ASSERT_EQ(raw.size(), 18);  // the last one empty, after the final line end
  const QStringList expected = {
      "Asha Rao", "3",  "5",  "1975", "14",    "7",     "12",          "73",   "51",
      "18",       "31", "True", "False", "False", "Pune", "Maharashtra", "India"};
  for (int i = 0; i < 17; ++i) {
    ASSERT_TRUE(raw[i].endsWith('\r')) << i;
    const QString coded = QString::fromLatin1(raw[i].chopped(1));
    EXPECT_EQ(coded, EncodeText(expected[i])) << i;
    EXPECT_EQ(DecodeText(coded), expected[i]) << i;
  }
  EXPECT_EQ(*ReadChartFile(path), expected);
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST_F(ChartFileTest, NegativeNumbersAndNonLatinTextsAreWrittenPlainly) {
  astro::BirthRecordData r = MarchRecord();
  r.LongDegree = -5;
  r.BirthCity = "K\xC3\xB8" "benhavn";  // UTF-8 in the record, ISO-8859-1 in the file
  const QStringList fields = ChartFileFields(r, 0);
  EXPECT_EQ(fields[cfLongDegree], QStringLiteral("-5"));
  EXPECT_EQ(fields[cfCity], QStringLiteral("K\u00f8benhavn"));
  const QString path = Path(QStringLiteral("k.kdw"));
  ASSERT_TRUE(WriteChartFile(path, fields));
  EXPECT_EQ((*ReadChartFile(path))[cfCity], QStringLiteral("K\u00f8benhavn"));
}

TEST_F(ChartFileTest, ControlCharactersInTextsNeverSplitTheLines) {
  // Every control character the boxes could hold (pasted, or from a reopened
  // file), among them the two that encode to LF and CR.
  std::string controls;
  for (char c = 1; c < 32; ++c) controls += c;
  astro::BirthRecordData r = MarchRecord();
  r.BirthName = "Asha" + controls + " Rao\x7F";
  r.BirthCity = "\x08Pune\x05";
  r.BirthState = "Maha\rrash\ntra";
  r.BirthCountry = "India\x08";
  const QString path = Path(QStringLiteral("controls.kdw"));
  ASSERT_TRUE(WriteChartFile(path, ChartFileFields(r, 12)));

  const QByteArray bytes = ReadAll(path);
  EXPECT_EQ(bytes.count('\r'), 17);
  EXPECT_EQ(bytes.count('\n'), 17);
  const QStringList expected = {
      "Asha Rao", "3",  "5",  "1975", "14",    "7",     "12",          "73",   "51",
      "18",       "31", "True", "False", "False", "Pune", "Maharashtra", "India"};
  EXPECT_EQ(*ReadChartFile(path), expected);

  // Ordinary texts are written as they are.
  EXPECT_EQ(DocumentText("Anna-Maria O'Neil, Jr. 2"), QStringLiteral("Anna-Maria O'Neil, Jr. 2"));
  EXPECT_EQ(DocumentText("Orl\xC3\xA9" "ans"), QStringLiteral("Orl\u00e9ans"));
}

TEST(ChartFileLines, LinesEndAtCrOrCrLfAndAShortFileHasFewerLines) {
  const QStringList lines = SplitChartFileBytes(QByteArray("a\r\nb\rc\nd\r\r\ne"));
  EXPECT_EQ(lines, QStringList({"a", "b", "c\nd", "", "e"}));  // a lone LF belongs to the line
  EXPECT_EQ(SplitChartFileBytes(QByteArray("a\r\n\r\n")), QStringList({"a", ""}));
  EXPECT_EQ(SplitChartFileBytes(QByteArray()), QStringList());
}

TEST(ChartFileLines, OnlySeventeenLinesAreTakenAndBinaryBytesSurvive) {
  QByteArray bytes;
  for (int i = 0; i < 40; ++i) bytes += QByteArray::number(i) + "\r\n";
  const QStringList lines = SplitChartFileBytes(bytes);
  ASSERT_EQ(lines.size(), 17);
  EXPECT_EQ(lines[16], QStringLiteral("16"));

  QByteArray garbage;
  for (int i = 0; i < 256; ++i) garbage.append(static_cast<char>(i));
  const QStringList g = SplitChartFileBytes(garbage);
  EXPECT_EQ(g[0].size(), 13);           // codes 0..12 (the LF among them) up to the CR
  EXPECT_EQ(g[1].size(), 256 - 14);     // codes 14..255
  EXPECT_EQ(g[1].at(0).unicode(), 14);
}

TEST_F(ChartFileTest, HugeFilesAreReadOnlyUpToTheBound) {
  const QString path = Path(QStringLiteral("huge.kdw"));
  QByteArray line(3 * ChartFileMaxBytes, 'x');  // one very long first line, no line end
  WriteRaw(path, line);
  const std::optional<QStringList> lines = ReadChartFile(path);
  ASSERT_TRUE(lines);
  // The bounded first line is longer than the codec takes: it decodes to empty.
  EXPECT_EQ((*lines)[0], QString());
  EXPECT_EQ(ReadChartFile(Path(QStringLiteral("missing.kdw"))), std::nullopt);
}

// The input window's lists, as the entries are matched against them.
ChartFileLists InputLists() {
  const auto numbers = [](int first, int last) {
    QStringList texts;
    for (int n = first; n <= last; ++n) texts += QString::number(n);
    return texts;
  };
  return {numbers(1, 31), numbers(1901, 2050), numbers(0, 23), numbers(0, 59), 12, 71};
}

const QStringList MarchLines = {
    "Asha Rao", "3",  "5",    "1975",  "14",    "7",    "12",          "73",   "51",
    "18",       "31", "True", "False", "False", "Pune", "Maharashtra", "India"};

TEST(ChartFileEntries, AFileWhoseFieldsAllReadGivesRowsTextsAndChoices) {
  const auto read = ReadChartFileEntries(MarchLines, InputLists());
  ASSERT_TRUE(std::holds_alternative<ChartFileEntries>(read));
  const ChartFileEntries& e = std::get<ChartFileEntries>(read);
  EXPECT_EQ(std::tie(e.Month, e.Day, e.Year, e.Hour, e.Minute, e.Zone), std::make_tuple(2, 4, 74, 14, 7, 12));
  EXPECT_EQ(QStringList({e.Name, e.LongDegree, e.LongMinute, e.LatDegree, e.LatMinute, e.City, e.State,
                         e.Country}),
            QStringList({"Asha Rao", "73", "51", "18", "31", "Pune", "Maharashtra", "India"}));
  EXPECT_EQ(std::make_tuple(e.East, e.South, e.DST), std::make_tuple(true, false, false));

  // Month and zone numbers are rounded, halves to the even row; texts stay as they are.
  QStringList lines = MarchLines;
  lines[cfMonth] = " 3.5 ";  // 2.5: row 2, March
  lines[cfTimeZone] = "12.5";
  lines[cfLatDegree] = "95";  // out of range, but read: the chart run's checks refuse it
  const ChartFileEntries rounded = std::get<ChartFileEntries>(ReadChartFileEntries(lines, InputLists()));
  EXPECT_EQ(std::make_tuple(rounded.Month, rounded.Zone, rounded.LatDegree), std::make_tuple(2, 12, QString("95")));
}

TEST(ChartFileEntries, TheFirstFieldThatCannotBeReadIsNamed) {
  const std::vector<std::tuple<ChartFileLine, const char*, ChartFileLine>> rows{
      // field, text, first field refused
      {cfMonth, "March", cfMonth}, {cfMonth, "13", cfMonth}, {cfMonth, "0", cfMonth},
      {cfMonth, "", cfMonth},      {cfMonth, "nan", cfMonth},
      {cfDay, "05", cfDay},        {cfDay, "32", cfDay},     {cfDay, " 5", cfDay},
      {cfYear, "1900", cfYear},    {cfYear, "2051", cfYear},
      {cfHour, "noon", cfHour},    {cfHour, "24", cfHour},
      {cfMinute, "", cfMinute},    {cfMinute, "7.0", cfMinute},
      {cfTimeZone, "71", cfTimeZone}, {cfTimeZone, "-1", cfTimeZone}, {cfTimeZone, "GMT", cfTimeZone},
  };
  for (const auto& [field, text, refused] : rows) {
    SCOPED_TRACE(testing::Message() << field << " " << text);
    QStringList lines = MarchLines;
    lines[field] = QString::fromLatin1(text);
    lines[cfCountry] = "x";  // later fields do not matter
    const auto read = ReadChartFileEntries(lines, InputLists());
    ASSERT_TRUE(std::holds_alternative<ChartFileProblem>(read));
    EXPECT_EQ(std::get<ChartFileProblem>(read).Field, refused);
    EXPECT_FALSE(std::get<ChartFileProblem>(read).Missing);
  }
  QStringList two = MarchLines;
  two[cfMinute] = "x";
  two[cfDay] = "x";
  EXPECT_EQ(std::get<ChartFileProblem>(ReadChartFileEntries(two, InputLists())).Field, cfDay);
}

TEST(ChartFileEntries, AFileCutShortIsRefusedAtItsFirstMissingLine) {
  for (int count : {0, 3, 16}) {
    const auto read = ReadChartFileEntries(MarchLines.first(count), InputLists());
    ASSERT_TRUE(std::holds_alternative<ChartFileProblem>(read)) << count;
    EXPECT_EQ(std::get<ChartFileProblem>(read).Field, count);
    EXPECT_TRUE(std::get<ChartFileProblem>(read).Missing);
  }
  EXPECT_EQ(UnreadableChartMessage("/t/a.kdw", {cfCountry, true}),
            "The file \"/t/a.kdw\" could not be opened as a chart: it ends before its country (line 17). "
            "The input window was left as it was.");
  EXPECT_EQ(UnreadableChartMessage("/t/a.kdw", {cfTimeZone, false}),
            "The file \"/t/a.kdw\" could not be opened as a chart: its time zone (line 7) cannot be read. "
            "The input window was left as it was.");
}

TEST(ChartFileFieldsRead, NumbersAreFiniteDecimalsOnly) {
  EXPECT_EQ(FieldNumber(QStringLiteral("12")), 12.0);
  EXPECT_EQ(FieldNumber(QStringLiteral("  -3 ")), -3.0);
  EXPECT_EQ(FieldNumber(QStringLiteral("2.5")), 2.5);
  EXPECT_EQ(FieldNumber(QString()), std::nullopt);
  EXPECT_EQ(FieldNumber(QStringLiteral("twelve")), std::nullopt);
  EXPECT_EQ(FieldNumber(QStringLiteral("1,000")), std::nullopt);
  EXPECT_EQ(FieldNumber(QStringLiteral("inf")), std::nullopt);
  EXPECT_EQ(FieldNumber(QStringLiteral("nan")), std::nullopt);
  EXPECT_EQ(FieldNumber(QStringLiteral("1e999")), std::nullopt);
}

TEST(ChartFileFieldsRead, FlagsTakeWordsInAnyCaseOrNumbersElseTrue) {
  EXPECT_TRUE(FieldFlag(QStringLiteral("True")));
  EXPECT_FALSE(FieldFlag(QStringLiteral("False")));
  EXPECT_FALSE(FieldFlag(QStringLiteral("false")));
  EXPECT_FALSE(FieldFlag(QStringLiteral("FALSE")));
  EXPECT_TRUE(FieldFlag(QStringLiteral("tRUE")));
  EXPECT_TRUE(FieldFlag(QStringLiteral("1")));
  EXPECT_TRUE(FieldFlag(QStringLiteral("-2")));
  EXPECT_FALSE(FieldFlag(QStringLiteral("0")));
  EXPECT_FALSE(FieldFlag(QStringLiteral("0.0")));
  EXPECT_TRUE(FieldFlag(QString()));
  EXPECT_TRUE(FieldFlag(QStringLiteral("no")));
}

TEST_F(ChartFileTest, UnwritablePlaceGivesTheReasonAndWritesNothing) {
  const QString blocker = Path(QStringLiteral("not-a-folder"));
  WriteRaw(blocker, "keep");
  const QString path = blocker + QStringLiteral("/chart.kdw");
  QString reason;
  EXPECT_FALSE(WriteChartFile(path, ChartFileFields(MarchRecord(), 12), &reason));
  EXPECT_FALSE(reason.isEmpty());
  EXPECT_EQ(ReadAll(blocker), QByteArray("keep"));
}

TEST_F(ChartFileTest, FailedReplaceKeepsWhatWasThereAndLeavesNoTemporaryFile) {
  // A folder in the way of the file: the write fails at the final step.
  const QString path = Path(QStringLiteral("taken.kdw"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.kdw")));
  WriteRaw(path + QStringLiteral("/inside.txt"), "inside");
  QString reason;
  EXPECT_FALSE(WriteDocumentLines(path, {QByteArray("new")}, &reason));
  EXPECT_FALSE(reason.isEmpty());
  EXPECT_EQ(ReadAll(path + QStringLiteral("/inside.txt")), QByteArray("inside"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList{QStringLiteral("taken.kdw")});
}

TEST_F(ChartFileTest, ReplacingAnExistingFileWritesTheWholeNewContent) {
  const QString path = Path(QStringLiteral("old.txt"));
  WriteRaw(path, QByteArray(5000, 'o'));
  ASSERT_TRUE(WriteDocumentLines(path, {QByteArray("one"), QByteArray("\r")}));
  EXPECT_EQ(ReadAll(path), QByteArray("one\r\n\r\r\n"));
}

// Runs act in a child process whose files cannot grow past limit bytes: a write
// past it fails with EFBIG, as on a full disk. The child's exit code.
int RunWithFileSizeLimit(rlim_t limit, const std::function<int()>& act) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit r{limit, limit};
    _exit(setrlimit(RLIMIT_FSIZE, &r) == 0 ? act() : 100);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(ChartFileTest, AFullDiskKeepsTheOldFileLeavesNoPartOneAndSaysWhy) {
  const QString chart = Path(QStringLiteral("old.kdw"));
  const QByteArray old = "the chart saved before\r\n";
  WriteRaw(chart, old);
  QStringList fields = ChartFileFields(MarchRecord(), 12);
  fields[cfName] = QString(3000, QLatin1Char('a'));
  QImage picture(400, 400, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
  }
  const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG));
  const QString jpeg = Path(QStringLiteral("chart.jpg"));
  const int result = RunWithFileSizeLimit(1000, [&] {
    QString why;
    if (WriteChartFile(chart, fields, &why)) return 1;
    if (why != reason) return 4;
    if (!SavePictureAsJpeg(picture, jpeg).isEmpty()) return 2;
    const auto& shown = d.messages->shown;
    if (shown.size() != 1) return 3;
    if (!shown[0].text.contains(jpeg) || !shown[0].text.contains(reason)) return 5;
    return 0;
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadAll(chart), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            QStringList{QStringLiteral("old.kdw")});
}

TEST_F(ChartFileTest, TheLettersAtTheTopOfTheSetComeBackFromTheFile) {
  astro::BirthRecordData r = MarchRecord();
  r.BirthName = "M\xC3\xBCller \xC3\xBB\xC3\xBC\xC3\xBD\xC3\xBE\xC3\xBF";  // Müller ûüýþÿ
  r.BirthCity = "\xC3\xBF";
  const QString path = Path(QStringLiteral("mueller.kdw"));
  ASSERT_TRUE(WriteChartFile(path, ChartFileFields(r, 12)));
  const QByteArray bytes = ReadAll(path);
  EXPECT_EQ(bytes.count('\r'), 17);
  EXPECT_EQ(bytes.count('\n'), 17);
  const QStringList lines = *ReadChartFile(path);
  EXPECT_EQ(lines[cfName], QStringLiteral("M\u00fcller \u00fb\u00fc\u00fd\u00fe\u00ff"));
  EXPECT_EQ(lines[cfCity], QStringLiteral("\u00ff"));
  EXPECT_TRUE(d.messages->shown.empty());
}

}  // namespace
