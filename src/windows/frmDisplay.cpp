#include "windows/frmDisplay.h"

#include <QCloseEvent>
#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLocale>
#include <QPainter>
#include <QPalette>

#include "astro/Shared.h"
#include "chart/ChartData.h"
#include "chart/WheelGeometry.h"
#include "chart/ZodiacText.h"
#include "platform/Forms.h"
#include "platform/Look.h"
#include "platform/Pictures.h"

using platform::PlaceTw;
using platform::Px;
using platform::SetBackColor;
using platform::SetForeColor;
using platform::UiFont;

namespace {

// The pictures the window shows: a sign's glyph, the wheel, a chakra's emblem (1 .. 6).
QString SignPicture(const QString& sign) { return QStringLiteral(":/assets/signs/%1.png").arg(sign.toLower()); }
QString WheelPicture() { return QStringLiteral(":/assets/wheel.png"); }
QString ChakraPicture(int number) { return QStringLiteral(":/assets/chakra/%1.png").arg(number); }

QString Indexed(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// A label without a background of its own, so the window or the wheel shows
// through. Its text is shown as it stands, never as markup.
QLabel* MakeTransparent(QLabel* label, const QString& name, const QFont& font) {
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setFont(font);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setAutoFillBackground(false);
  return label;
}

QLabel* TransparentLabel(QWidget* parent, const QString& name, const QFont& font) {
  return MakeTransparent(new QLabel(parent), name, font);
}

// An outline drawn as a thin rectangle that lets clicks through.
class OutlineShape final : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QColor(255, 128, 255));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};

QWidget* Outline(QWidget* parent, int index, int left, int top, int width, int height) {
  auto* shape = new OutlineShape(parent);
  shape->setObjectName(Indexed("Shape1", index));
  shape->setAttribute(Qt::WA_TransparentForMouseEvents);
  PlaceTw(shape, left, top, width, height);
  return shape;
}

// Sizes a label to its text, keeping its left and top, no wider than maxWidth pixels.
void SizeToText(QLabel* label, int maxWidth) {
  label->adjustSize();
  if (label->width() > maxWidth) label->resize(maxWidth, label->height());
}

struct ChakraRow {
  const char* name;
  int boxTop;
  int emblemTop;
  QColor colour;
};

const std::array<ChakraRow, 6>& ChakraRows() {
  static const std::array<ChakraRow, 6> rows{{
      {"Ajna", 720, 915, QColor(255, 192, 255)},
      {"Vishuddha", 1845, 2040, QColor(192, 192, 255)},
      {"Anahata", 2970, 3165, QColor(192, 255, 255)},
      {"Manipura", 4110, 4305, QColor(192, 255, 192)},
      {"Swadistana", 5235, 5430, QColor(255, 255, 192)},
      {"Muladhara", 6360, 6555, QColor(255, 224, 192)},
  }};
  return rows;
}

const QColor kDarkRed(128, 0, 0);

}  // namespace

// ---------------------------------------------------------------------------
// frmDisplay

void frmDisplay::PrepareLooks() {
  for (const QString& sign : SignNames()) platform::LoadPicture(SignPicture(sign));
  platform::LoadPicture(WheelPicture());
  for (int m = 1; m <= 6; ++m) platform::LoadPicture(ChakraPicture(m));
}

const std::array<QString, 12>& frmDisplay::SignNames() {
  static const std::array<QString, 12> names = [] {
    std::array<QString, 12> list;
    for (std::size_t i = 0; i < list.size(); ++i) {
      list[i] = SignNameText(i);
    }
    return list;
  }();
  return names;
}

std::array<QLabel*, 12> frmDisplay::SignLabels() const {
  return {lblNatalAries, lblNatalTaurus,      lblNatalGemini,    lblNatalCancer,
          lblNatalLeo,   lblNatalVirgo,       lblNatalLibra,     lblNatalScorpio,
          lblNatalSagittarius, lblNatalCapricorn, lblNatalAquarius, lblNatalPisces};
}

frmDisplay::frmDisplay() {
  setObjectName(QStringLiteral("frmDisplay"));
  setWindowTitle(QStringLiteral("QZ Astrology Ormandel v1.25"));
  setWindowIcon(platform::ProgramIcon());
  setFont(UiFont(QStringLiteral("Verdana"), 8.25));
  SetBackColor(this, Qt::white, Qt::black);
  setFixedSize(Px(15000), Px(7950));
  // The window itself takes the focus when it is activated, so no chakra box
  // becomes the focus widget unasked.
  setFocusPolicy(Qt::ClickFocus);

  for (int i = 0; i < 12; ++i) {
    const QString& sign = SignNames()[static_cast<std::size_t>(i)];
    IMG.Add(sign, platform::LoadPicture(SignPicture(sign)));
  }

  BuildLeftColumn();
  BuildLegend();
  BuildWheel();
  BuildChakraPanel();

  ShowInitialChart();
}

void frmDisplay::BuildLeftColumn() {
  Shape1[0] = Outline(this, 0, 240, 60, 3660, 7830);

  const QFont bold = UiFont(QStringLiteral("Verdana"), 8.25, true);
  struct Row {
    QLabel** member;
    const char* name;
    int top;
  };
  const std::array<Row, 8> rows{{{&lblName, "lblName", 120},
                                 {&lblCity, "lblCity", 480},
                                 {&lblState, "lblState", 840},
                                 {&lblCountry, "lblCountry", 1200},
                                 {&lblDOB, "lblDOB", 1560},
                                 {&lblTOB, "lblTOB", 1920},
                                 {&lblLatitude, "lblLatitude", 2280},
                                 {&lblLongitude, "lblLongitude", 2640}}};
  for (const Row& row : rows) {
    QLabel* label = TransparentLabel(this, QLatin1String(row.name), bold);
    PlaceTw(label, 360, row.top, 3400, 240);
    *row.member = label;
  }

  const QFont frameFont = UiFont(QStringLiteral("Verdana"), 8.25, true);
  const QFont rowFont = UiFont(QStringLiteral("Verdana"), 9.75);
  const QString frameStyle = QStringLiteral(
      "QGroupBox { background: white; color: black; border: 1px solid rgb(160, 160, 160); margin-top: 7px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px;"
      " padding: 0px 3px; background: white; color: black; }"
      "QLabel { color: black; }");

  fraWestern = new QGroupBox(QStringLiteral("Planetary Positions"), this);
  fraWestern->setObjectName(QStringLiteral("fraWestern"));
  fraWestern->setFont(frameFont);
  fraWestern->setStyleSheet(frameStyle);
  PlaceTw(fraWestern, 360, 3360, 3400, 3000);

  // Rows 0..6 are Sun..Saturn; the ascendant's row pairs PlanetName(13) with
  // Planet(9). The remaining labels stand below the frame's height, out of sight.
  static const std::array<const char*, 7> names{"Sun", "Moon", "Mercury", "Venus",
                                                "Mars", "Jupiter", "Saturn"};
  for (int i = 0; i < 16; ++i) {
    auto idx = static_cast<std::size_t>(i);
    PlanetName[idx] = TransparentLabel(fraWestern, Indexed("PlanetName", i), rowFont);
    Planet[idx] = TransparentLabel(fraWestern, Indexed("Planet", i), rowFont);
  }
  auto placeRow = [&](int nameIndex, int valueIndex, int top) {
    PlaceTw(PlanetName[static_cast<std::size_t>(nameIndex)], 150, top, 1740, 285);
    PlaceTw(Planet[static_cast<std::size_t>(valueIndex)], 1860, top, 1400, 285);
  };
  for (int i = 0; i < 7; ++i) {
    PlanetName[static_cast<std::size_t>(i)]->setText(QLatin1String(names[static_cast<std::size_t>(i)]));
    placeRow(i, i, 300 + 328 * i);
  }
  PlanetName[13]->setText(QStringLiteral("Asc"));
  placeRow(13, 9, 2596);
  const std::array<int, 8> hiddenNames{7, 8, 9, 10, 11, 12, 14, 15};
  const std::array<int, 8> hiddenValues{7, 8, 10, 11, 12, 13, 14, 15};
  for (std::size_t n = 0; n < hiddenNames.size(); ++n) {
    placeRow(hiddenNames[n], hiddenValues[n], 3240 + 328 * static_cast<int>(n));
  }

  fraVedic = new QGroupBox(QStringLiteral("Other Details"), this);
  fraVedic->setObjectName(QStringLiteral("fraVedic"));
  fraVedic->setFont(frameFont);
  fraVedic->setStyleSheet(frameStyle);
  PlaceTw(fraVedic, 360, 6720, 3400, 1125);
  Label1 = TransparentLabel(fraVedic, QStringLiteral("Label1"), rowFont);
  Label1->setText(QStringLiteral("Sun Sign"));
  PlaceTw(Label1, 150, 315, 1740, 270);
  lblLagna = TransparentLabel(fraVedic, QStringLiteral("lblLagna"), rowFont);
  PlaceTw(lblLagna, 1860, 315, 1400, 270);
  Label17 = TransparentLabel(fraVedic, QStringLiteral("Label17"), rowFont);
  Label17->setText(QStringLiteral("Moon Sign"));
  PlaceTw(Label17, 150, 705, 1740, 270);
  lblRashi = TransparentLabel(fraVedic, QStringLiteral("lblRashi"), rowFont);
  PlaceTw(lblRashi, 1860, 705, 1400, 270);
}

void frmDisplay::BuildLegend() {
  Shape1[1] = Outline(this, 1, 3990, 30, 6810, 1275);
  Picture3 = new QWidget(this);
  Picture3->setObjectName(QStringLiteral("Picture3"));
  PlaceTw(Picture3, 4020, 60, 6750, 1215);

  const QFont nameFont = UiFont(QStringLiteral("Verdana"), 8.25, true);
  constexpr std::array<int, 4> pictureLefts{120, 1680, 3240, 5160};
  constexpr std::array<int, 4> nameLefts{480, 2040, 3600, 5520};
  constexpr std::array<int, 3> tops{120, 480, 840};
  for (int sign = 0; sign < 12; ++sign) {
    const auto column = static_cast<std::size_t>(sign / 3);
    const auto row = static_cast<std::size_t>(sign % 3);
    // The legend's pictures are numbered with Aries and Pisces swapped.
    const int pictureIndex = sign == 0 ? 11 : (sign == 11 ? 0 : sign);
    auto* picture = new QLabel(Picture3);
    picture->setObjectName(Indexed("Image1", pictureIndex));
    picture->setPixmap(IMG.ListImages(sign + 1));
    picture->setAlignment(Qt::AlignCenter);
    PlaceTw(picture, pictureLefts[column], tops[row], 300, 300);
    Image1[static_cast<std::size_t>(pictureIndex)] = picture;

    auto* name = TransparentLabel(Picture3, Indexed("Label8", sign), nameFont);
    name->setText(SignNames()[static_cast<std::size_t>(sign)]);
    SetForeColor(name, platform::ClassicColor(9));
    PlaceTw(name, nameLefts[column], tops[row], 1440, 300);
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label8[static_cast<std::size_t>(sign)] = name;
  }
}

void frmDisplay::BuildWheel() {
  picNatal = new QLabel(this);
  picNatal->setObjectName(QStringLiteral("picNatal"));
  picNatal->setPixmap(platform::LoadPicture(WheelPicture()));
  picNatal->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  PlaceTw(picNatal, 4000, 1400, 6750, 6465);

  const QFont houseFont = UiFont(QStringLiteral("Verdana"), 8.25);
  const QFont numberFont = UiFont(QStringLiteral("Verdana"), 12);
  for (int k = 0; k < 12; ++k) {
    const auto idx = static_cast<std::size_t>(k);
    const wheel::HouseSpot& spot = wheel::kHouseSpots[idx];
    // House 12's number is element 0 of the number labels.
    const int numberIndex = (k + 1) % 12;

    auto* number = TransparentLabel(picNatal, Indexed("lblNatalPosition", numberIndex), numberFont);
    number->setText(QString::number(k + 1));
    number->setAttribute(Qt::WA_TransparentForMouseEvents);
    number->move(spot.number);
    number->adjustSize();
    lblNatalPosition[static_cast<std::size_t>(numberIndex)] = number;

    auto* picture = new QLabel(picNatal);
    picture->setObjectName(Indexed("imgSign", k));
    picture->setAttribute(Qt::WA_TranslucentBackground);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setGeometry(QRect(spot.picture, QSize(wheel::kSignPictureSize, wheel::kSignPictureSize)));
    imgSign[idx] = picture;

    auto* house = new HouseLabel(picNatal, k, numberFont);
    MakeTransparent(house, Indexed("lblNatal", k), houseFont);
    house->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblNatal[idx] = house;
  }

  QLabel** signMembers[12] = {&lblNatalAries,   &lblNatalTaurus,      &lblNatalGemini,
                              &lblNatalCancer,  &lblNatalLeo,         &lblNatalVirgo,
                              &lblNatalLibra,   &lblNatalScorpio,     &lblNatalSagittarius,
                              &lblNatalCapricorn, &lblNatalAquarius,  &lblNatalPisces};
  for (int sign = 0; sign < 12; ++sign) {
    const QString& name = SignNames()[static_cast<std::size_t>(sign)];
    auto* label = TransparentLabel(picNatal, QStringLiteral("lblNatal") + name, houseFont);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    *signMembers[sign] = label;
  }
}

void frmDisplay::BuildChakraPanel() {
  Label7 = new QLabel(QStringLiteral("ORMANDEL"), this);
  Label7->setObjectName(QStringLiteral("Label7"));
  Label7->setFont(UiFont(QStringLiteral("Verdana"), 9, true));
  SetForeColor(Label7, platform::ClassicColor(9));
  Label7->setAlignment(Qt::AlignCenter);
  PlaceTw(Label7, 12120, 0, 1575, 330);

  Shape1[2] = Outline(this, 2, 11010, 330, 3795, 7515);
  Picture2 = new QWidget(this);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  PlaceTw(Picture2, 11040, 360, 3735, 7455);

  // The two column headings, each explained by its tooltip.
  const QFont headingFont = UiFont(QStringLiteral("Verdana"), 8.25, true);
  const auto heading = [&](int index, const QString& text, Qt::Alignment side, int left, const QString& tip) {
    QLabel* label = TransparentLabel(Picture2, Indexed("lblCaptions", index), headingFont);
    label->setText(text);
    label->setAlignment(side | Qt::AlignVCenter);
    label->setToolTip(tip);
    SetForeColor(label, kDarkRed);
    PlaceTw(label, left, 0, 1200, 240);
    lblCaptions[static_cast<std::size_t>(index)] = label;
  };
  heading(0, QStringLiteral("Emissive"), Qt::AlignLeft, 60,
          QStringLiteral("Refers to the energy that is being sent out or used up. It is the yang side of each "
                         "chakra, placed on the left side and influenced by the planets on the right side of "
                         "the Ormandel chart."));

  auto* chakra = new QLabel(QStringLiteral("CHAKRA"), Picture2);
  chakra->setObjectName(QStringLiteral("lblCaptions(1)"));
  chakra->setFont(UiFont(QStringLiteral("Verdana"), 9.75, true));
  chakra->setAlignment(Qt::AlignCenter);
  SetBackColor(chakra, kDarkRed, Qt::white);
  PlaceTw(chakra, 1365, 0, 915, 240);
  lblCaptions[1] = chakra;

  heading(2, QStringLiteral("Receptive"), Qt::AlignRight, 2375,
          QStringLiteral("The Yin side of each chakra, it refers to the energy that the human body receives "
                         "from the planetary influences on the left side of the Ormandel chart. It is "
                         "positioned on the right hand side."));

  const QFont boxFont = UiFont(QStringLiteral("Verdana"), 8.25);
  for (int m = 0; m < 6; ++m) {
    const ChakraRow& row = ChakraRows()[static_cast<std::size_t>(m)];
    for (int side = 0; side < 2; ++side) {
      const int index = 2 * m + side;
      auto* box = new ChartTextBox(Picture2);
      box->setObjectName(Indexed("txtChakraPlanets", index));
      box->setFont(boxFont);
      SetBackColor(box, row.colour, Qt::black);
      box->viewport()->setAutoFillBackground(true);
      box->viewport()->setPalette(box->palette());
      PlaceTw(box, side == 0 ? 60 : 2375, row.boxTop, 1200, 1005);
      txtChakraPlanets[static_cast<std::size_t>(index)] = box;
    }

    auto* name = new QLabel(QLatin1String(row.name), Picture2);
    name->setObjectName(Indexed("lblCaptions", 3 + m));
    name->setFont(headingFont);
    name->setAlignment(Qt::AlignCenter);
    SetBackColor(name, row.colour, Qt::black);
    PlaceTw(name, 1305, row.boxTop, 1035, 225);
    lblCaptions[static_cast<std::size_t>(3 + m)] = name;

    auto* emblem = new QLabel(Picture2);
    emblem->setObjectName(Indexed("Image2", m));
    emblem->setPixmap(platform::LoadPicture(ChakraPicture(m + 1)));
    emblem->setAlignment(Qt::AlignCenter);
    PlaceTw(emblem, 1425, row.emblemTop, 795, 795);
    Image2[static_cast<std::size_t>(m)] = emblem;
  }
}

// What a freshly loaded window shows until a chart run fills it: every house
// reads "Natal", with the sign names and pictures of a layout that has Libra in
// house 1.
void frmDisplay::ShowInitialChart() {
  constexpr int libra = 6;
  for (int k = 0; k < 12; ++k) {
    const auto idx = static_cast<std::size_t>(k);
    const int sign = (libra + k) % 12;
    lblNatal[idx]->ShowPlaceholder(QStringLiteral("Natal"));
    imgSign[idx]->setPixmap(IMG.ListImages(sign + 1));

    QLabel* signLabel = SignLabels()[static_cast<std::size_t>(sign)];
    signLabel->setText(SignNames()[static_cast<std::size_t>(sign)]);
    signLabel->adjustSize();
    const QPoint list = wheel::kHouseSpots[idx].list;
    signLabel->move(list + QPoint(0, lblNatal[idx]->fontMetrics().height()));
  }
}

void frmDisplay::Form_Load() {
  // The birth data of the chart the window is loaded for.
  const astro::BirthRecordData& r = CurrentChart.Birth;
  const auto text = [](const std::string& s) { return QString::fromStdString(s); };
  const QString name = MonthNameText(r.BirthMonth);
  const QString month = name.isEmpty() ? QString::number(r.BirthMonth) : name;

  // Each label is as wide as its text, but never wider than the left column; a
  // longer text is cut with "…" and shown whole as the label's tooltip.
  const auto show = [](QLabel* label, const QString& line) {
    platform::SetElidedText(label, line, Px(3400));
    SizeToText(label, Px(3400));
  };
  show(lblName, QStringLiteral("Name: ") + text(r.BirthName));
  show(lblDOB, DateOfBirthText(r, month));
  show(lblTOB, TimeOfBirthText(r));
  show(lblLatitude, LatitudeText(r));
  show(lblLongitude, LongitudeText(r));
  show(lblCity, QStringLiteral("City: ") + text(r.BirthCity));
  show(lblState, QStringLiteral("State: ") + text(r.BirthState));
  show(lblCountry, QStringLiteral("Country: ") + text(r.BirthCountry));
}

void frmDisplay::closeEvent(QCloseEvent* event) {
  // Inside the main window the chart goes only with the main window.
  if (!isWindow()) {
    event->ignore();
    return;
  }
  event->accept();
  platform::Form<frmDisplay>::Unload();
}
