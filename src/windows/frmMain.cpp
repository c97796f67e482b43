#include "windows/frmMain.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QShowEvent>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStringList>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "astro/Astro.h"
#include "astro/modPlanetPosition_WesternTimeZones.h"
#include "chart/BirthInput.h"
#include "chart/ZodiacText.h"
#include "platform/Forms.h"
#include "platform/LinkLabel.h"
#include "platform/Look.h"
#include "platform/Pictures.h"
#include "windows/ExitScreenRoad.h"
#include "windows/frmAbout.h"
#include "windows/modHelp.h"
#include "windows/ProgramTexts.h"

using platform::PlaceTw;

namespace {

const QString kLettersOnly = QStringLiteral("Please enter only letters");
const QString kNumbersOnly = QStringLiteral("Please enter only numbers");

// A button whose caption wraps onto several lines, as the tall lookup button needs.
class WrapButton final : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = rect().adjusted(6, 4, -6, -4);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
  }
};

// A label shows its caption as a stored caption reads: "&&" is one "&", a single
// "&" only marks an access key and is not shown.
QString LabelCaption(const QString& caption) {
  QString shown;
  shown.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&')) {
      if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
        shown += QLatin1Char('&');
        ++i;
      }
      continue;
    }
    shown += caption[i];
  }
  return shown;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QLatin1String(name));
  return box;
}

QComboBox* MakeList(QWidget* parent, const char* name) {
  auto* list = new QComboBox(parent);  // not editable: the user picks, never types
  list->setObjectName(QLatin1String(name));
  list->setMaxVisibleItems(20);
  return list;
}

}  // namespace

frmMain::frmMain() {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(VersionedTitle());
  setWindowIcon(platform::ProgramIcon());
  setFont(platform::UiFont(QStringLiteral("Verdana"), 8.25));
  BuildMenus();
  BuildControls();
}

void frmMain::BuildMenus() {
  mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuCalculate = mnuFile->addAction(QStringLiteral("Get My &Ormandel"), this, &frmMain::mnuCalculate_Click);
  mnuCalculate->setObjectName(QStringLiteral("mnuCalculate"));
  mnuFile->addSeparator();
  mnuExit = mnuFile->addAction(QStringLiteral("&Exit"), this, &frmMain::mnuExit_Click);
  mnuExit->setObjectName(QStringLiteral("mnuExit"));

  mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  mnuOnline = mnuHelp->addAction(QStringLiteral("&Online Help"), this, &frmMain::mnuOnline_Click);
  mnuOnline->setObjectName(QStringLiteral("mnuOnline"));
  mnuVisit = mnuHelp->addAction(QStringLiteral("&Visit Us Online"), this, &frmMain::mnuVisit_Click);
  mnuVisit->setObjectName(QStringLiteral("mnuVisit"));
  mnuHelp->addSeparator();
  mnuUpdate = mnuHelp->addAction(QStringLiteral("Check for Software &Update"), this, &frmMain::mnuUpdate_Click);
  mnuUpdate->setObjectName(QStringLiteral("mnuUpdate"));
  mnuHelp->addSeparator();
  mnuAbout = mnuHelp->addAction(QStringLiteral("&About Software"), this, &frmMain::mnuAbout_Click);
  mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

  mnuDonate = menuBar()->addAction(QStringLiteral("Donate"), this, &frmMain::mnuDonate_Click);
  mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
  // Never offered to the user: kept hidden.
  mnuMakeMoney = menuBar()->addAction(QStringLiteral("Make Money &Online"), this, &frmMain::mnuMakeMoney_Click);
  mnuMakeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
  mnuMakeMoney->setVisible(false);
  mnuMakeMoney->setEnabled(false);
}

void frmMain::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);
  // Client area 10800 x 6930 twips (720 x 462 pixels).
  client->setFixedSize(platform::Px(10800), platform::Px(6930));

  // ---- The texts of the window; the clickable ones get their hand cursor below.
  // The window leaves its background to the desktop, and so the links' colour too.
  const QColor linkColour = platform::LinkOnDesktop(this);
  const QFont bold = platform::UiFont(QStringLiteral("Verdana"), 8.25, true);
  const QFont boldLink = platform::UiFont(QStringLiteral("Verdana"), 8.25, true, false, true);
  const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
  const std::array<std::pair<QLabel**, platform::LabelLayout>, 15> labels{{
      {&lblURL,
       {"lblURL", QStringLiteral("Talk about your chart at Velmora, the free astrology forum: ") + HomePageAddress(),
        {180, 90, 10440, 270}, boldLink, linkColour, Qt::AlignCenter}},
      {&lblWelcome,
       {"lblWelcome",
        QStringLiteral("Welcome to QZ Astrology Ormandel. The Ormandel along with the natal chart and the planetary "
                       "positions, gives you a better picture as to how your life will unfold. Ormandel means 'the "
                       "chakra or circle of astrological signs'. The chakra comprises of 12 houses related to the Sun "
                       "and the Planets and the Ormandel Chart features the Sun Signs."),
        {180, 450, 10440, 900}, {}, {}, topLeft, true}},
      {&lblInstruction,
       {"lblInstruction", QStringLiteral("To get your Ormandel Chart, simple input the following details!"),
        {180, 1440, 10440, 270}, bold}},
      // Left column.
      {&lblName, {"lblName", QStringLiteral("Name:"), {180, 2445, 1440, 240}}},
      {&lblBirthday, {"lblBirthday", QStringLiteral("Birthday:"), {180, 2955, 1440, 240}}},
      {&lblTimeOfBirth, {"lblTimeOfBirth", QStringLiteral("Time Of Birth:"), {180, 3465, 1500, 240}}},
      {&lblHourMinute, {"lblHourMinute", QStringLiteral("Hour / Minute"), {3390, 3465, 1710, 240}}},
      {&lblTimeZone, {"lblTimeZone", QStringLiteral("Time Zone:"), {180, 3975, 1440, 240}}},
      // Right column.
      {&lblLatitude, {"lblLatitude", QStringLiteral("Latitude:"), {5400, 2445, 1050, 240}}},
      {&lblDegMin[0], {"lblDegMin(0)", QStringLiteral("DEG / MIN"), {9630, 2445, 1020, 240}}},
      {&lblLongitude, {"lblLongitude", QStringLiteral("Longitude:"), {5400, 2955, 1050, 240}}},
      {&lblDegMin[1], {"lblDegMin(1)", QStringLiteral("DEG / MIN"), {9630, 2955, 1020, 240}}},
      {&lblCity, {"lblCity", QStringLiteral("City:"), {5400, 3465, 1050, 240}}},
      {&lblState, {"lblState", QStringLiteral("State:"), {5400, 3975, 1050, 240}}},
      {&lblCountry, {"lblCountry", QStringLiteral("Country:"), {5400, 4485, 1050, 240}}},
  }};
  for (auto [label, layout] : labels) {
    layout.text = LabelCaption(layout.text);
    *label = platform::MakeLabel(client, layout);
  }

  // ---- Top: the Open button under the forum link and the welcome paragraph --------
  cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), client);
  cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
  PlaceTw(cmdOpen, 180, 1800, 10440, 420);
  connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);

  // ---- Left column ----------------------------------------------------------
  constexpr int leftLabel = 180;
  constexpr int leftBox = 1680;
  txtName = MakeTextBox(client, "txtName");
  PlaceTw(txtName, leftBox, 2400, 3420, 330);

  cboMonth = MakeList(client, "cboMonth");
  PlaceTw(cboMonth, leftBox, 2910, 1470, 330);
  cboDate = MakeList(client, "cboDate");
  PlaceTw(cboDate, 3210, 2910, 780, 330);
  cboYear = MakeList(client, "cboYear");
  PlaceTw(cboYear, 4050, 2910, 1050, 330);

  cboHour = MakeList(client, "cboHour");
  PlaceTw(cboHour, leftBox, 3420, 780, 330);
  cboMinute = MakeList(client, "cboMinute");
  PlaceTw(cboMinute, 2520, 3420, 780, 330);

  chkDST = new QCheckBox(QStringLiteral("Daylight Saving Time"), client);
  chkDST->setObjectName(QStringLiteral("chkDST"));
  PlaceTw(chkDST, leftBox, 3930, 3420, 330);
  cboTimeZone = MakeList(client, "cboTimeZone");
  PlaceTw(cboTimeZone, leftLabel, 4350, 4920, 330);

  cmdCalculate = new QPushButton(QStringLiteral("Get My &Ormandel"), client);
  cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
  cmdCalculate->setFont(platform::UiFont(QStringLiteral("Verdana"), 9.75, true));
  PlaceTw(cmdCalculate, leftLabel, 4890, 4920, 480);
  connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);

  // ---- Right column -----------------------------------------------------------
  constexpr int rightBox = 6480;
  const auto coordinateRow = [&](int top, QLineEdit*& degree, const char* degreeName,
                                 std::array<QRadioButton*, 2>& options, const char* optionName, const QString& first,
                                 const QString& second, QLineEdit*& minute, const char* minuteName) {
    degree = MakeTextBox(client, degreeName);
    PlaceTw(degree, rightBox, top, 570, 330);
    // Each pair is a group of its own, so North/South and East/West never exclude each other.
    auto* group = new QButtonGroup(client);
    const std::array<QString, 2> captions{first, second};
    for (std::size_t i = 0; i < 2; ++i) {
      options[i] = new QRadioButton(captions[i], client);
      options[i]->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(optionName)).arg(i));
      PlaceTw(options[i], 7110 + static_cast<int>(i) * 930, top, 900, 330);
      group->addButton(options[i], static_cast<int>(i));
    }
    minute = MakeTextBox(client, minuteName);
    PlaceTw(minute, 9000, top, 570, 330);
  };
  coordinateRow(2400, txtLatDegree, "txtLatDegree", optLatSouth, "optLatSouth", QStringLiteral("North"),
                QStringLiteral("South"), txtLatMinute, "txtLatMinute");
  coordinateRow(2910, txtLongDegree, "txtLongDegree", optLongEast, "optLongEast", QStringLiteral("East"),
                QStringLiteral("West"), txtLongMinute, "txtLongMinute");

  txtCity = MakeTextBox(client, "txtCity");
  PlaceTw(txtCity, rightBox, 3420, 2280, 330);
  txtState = MakeTextBox(client, "txtState");
  PlaceTw(txtState, rightBox, 3930, 2280, 330);
  txtCountry = MakeTextBox(client, "txtCountry");
  PlaceTw(txtCountry, rightBox, 4440, 2280, 330);

  Command1 = new WrapButton(QStringLiteral("Click here to find Latitude && Longitude"), client);
  Command1->setObjectName(QStringLiteral("Command1"));
  PlaceTw(Command1, 8880, 3420, 1740, 1350);
  connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);

  // ---- Bottom: the two advertising labels, exactly over each other -----------------
  fraFullBrand = new QFrame(client);
  fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
  fraFullBrand->setFrameShape(QFrame::Box);
  fraFullBrand->setFrameShadow(QFrame::Sunken);
  PlaceTw(fraFullBrand, 180, 5640, 10440, 1110);
  // The label in front hides the one behind.
  const auto brandLabel = [&](const char* name, const QString& text) {
    return platform::MakeLabel(fraFullBrand, {name, text, {90, 90, 10260, 930}, boldLink, linkColour,
                                              Qt::AlignCenter, true, true});
  };
  lblFullBrand = brandLabel("lblFullBrand", FullBrandOffer());
  lblCobrand = brandLabel("lblCobrand", CoBrandOffer(1));

  platform::MakeLinkLabel(lblURL, [this] { lblURL_Click(); });
  platform::MakeLinkLabel(lblCobrand, [this] { lblCobrand_Click(); });
  const std::array<std::pair<QLineEdit*, void (frmMain::*)(int&)>, 8> keyFilters{{
      {txtName, &frmMain::txtName_KeyPress},
      {txtCity, &frmMain::txtCity_KeyPress},
      {txtState, &frmMain::txtState_KeyPress},
      {txtCountry, &frmMain::txtCountry_KeyPress},
      {txtLatDegree, &frmMain::txtLatDegree_KeyPress},
      {txtLatMinute, &frmMain::txtLatMinute_KeyPress},
      {txtLongDegree, &frmMain::txtLongDegree_KeyPress},
      {txtLongMinute, &frmMain::txtLongMinute_KeyPress},
  }};
  for (const auto& [box, handler] : keyFilters) {
    controlEvents.KeyPress(box, [this, handler](int& KeyAscii) { (this->*handler)(KeyAscii); });
  }

  QWidget::setTabOrder(cmdOpen, txtName);
  QWidget::setTabOrder(txtName, cboMonth);
  QWidget::setTabOrder(cboMonth, cboDate);
  QWidget::setTabOrder(cboDate, cboYear);
  QWidget::setTabOrder(cboYear, cboHour);
  QWidget::setTabOrder(cboHour, cboMinute);
  QWidget::setTabOrder(cboMinute, chkDST);
  QWidget::setTabOrder(chkDST, cboTimeZone);
  QWidget::setTabOrder(cboTimeZone, txtLatDegree);
  QWidget::setTabOrder(txtLatDegree, optLatSouth[0]);
  QWidget::setTabOrder(optLatSouth[0], txtLatMinute);
  QWidget::setTabOrder(txtLatMinute, txtLongDegree);
  QWidget::setTabOrder(txtLongDegree, optLongEast[0]);
  QWidget::setTabOrder(optLongEast[0], txtLongMinute);
  QWidget::setTabOrder(txtLongMinute, txtCity);
  QWidget::setTabOrder(txtCity, txtState);
  QWidget::setTabOrder(txtState, txtCountry);
  QWidget::setTabOrder(txtCountry, Command1);
  QWidget::setTabOrder(Command1, cmdCalculate);
}

// ---- Load and unload ------------------------------------------------------------

void frmMain::Form_Load() {
  // Each list is filled in one go, so it takes in its rows and works out its
  // size once rather than once for every row.
  const auto numbers = [](int first, int last) {
    QStringList texts;
    texts.reserve(last - first + 1);
    for (int n = first; n <= last; ++n) texts += QString::number(n);
    return texts;
  };
  cboDate->addItems(numbers(1, 31));
  QStringList months;
  for (const std::string_view month : astro::MonthNames) months += TableText(month);
  cboMonth->addItems(months);
  cboYear->addItems(numbers(1901, 2050));
  cboHour->addItems(numbers(0, 23));
  cboMinute->addItems(numbers(0, 59));

  astro::LoadTimeZones();
  // Rows 0 up to one less than the table's upper bound, so a list index is a table row.
  QStringList zones;
  for (std::size_t row = 0; row + 1 < astro::TimeZoneNames.size(); ++row) {
    zones += QString::fromStdString(astro::TimeZoneNames[row]);
  }
  cboTimeZone->addItems(zones);

  astro::PlanetNames = astro::PlainPlanetNames();
  astro::SignAbbrevs = astro::PlainSignAbbrevs();

  for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone}) {
    if (list->count() > 0) list->setCurrentIndex(0);
  }
  optLatSouth[0]->setChecked(true);
  optLongEast[0]->setChecked(true);
  chkDST->setChecked(false);
}

void frmMain::BringOfferToFront(bool coBrand) { (coBrand ? lblCobrand : lblFullBrand)->raise(); }

void frmMain::Form_Unload() {
  ShowExitScreen();
}

// The first show places the window in the middle of the screen, like the
// program's other windows, rather than wherever the window manager leaves a
// window it does not place itself; by then its frame is known.
void frmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (event->spontaneous() || centred_) return;
  centred_ = true;
  platform::CentreOnScreen(this);
}

void frmMain::closeEvent(QCloseEvent* event) {
  event->accept();
  platform::Form<frmMain>::Unload();
}

// ---- Menus and links -----------------------------------------------------------------

void frmMain::mnuCalculate_Click() { cmdCalculate_Click(); }

void frmMain::mnuExit_Click() { platform::Form<frmMain>::Unload(); }

void frmMain::mnuAbout_Click() { platform::Form<frmAbout>::Get().exec(); }

void frmMain::lblCobrand_Click() { OpenCoBrandPage(); }
void frmMain::lblURL_Click() { OpenHomePage(); }
void frmMain::mnuVisit_Click() { OpenHomePage(); }
void frmMain::mnuOnline_Click() { OpenOnlineHelpPage(); }
void frmMain::mnuUpdate_Click() { OpenDownloadPage(); }
void frmMain::mnuDonate_Click() { OpenDonatePage(); }
void frmMain::mnuMakeMoney_Click() { OpenFullBrandPage(); }

// ---- Key filters ---------------------------------------------------------------------

void frmMain::LettersFilter(QLineEdit* box, int& KeyAscii) {
  const bool letter = (KeyAscii >= 65 && KeyAscii <= 90) || (KeyAscii >= 97 && KeyAscii <= 122);
  if (letter || KeyAscii == 32 || KeyAscii == 8 || KeyAscii == 127) return;
  KeyAscii = 0;
  platform::MsgBox(kLettersOnly, platform::MsgButtons::OK, platform::MsgIcon::Critical);
  box->setFocus();
}

void frmMain::DigitsFilter(int& KeyAscii) {
  if ((KeyAscii >= 48 && KeyAscii <= 57) || KeyAscii == 8 || KeyAscii == 127) return;
  KeyAscii = 0;
  platform::MsgBox(kNumbersOnly, platform::MsgButtons::OK, platform::MsgIcon::Critical);
}

void frmMain::txtName_KeyPress(int& KeyAscii) { LettersFilter(txtName, KeyAscii); }
void frmMain::txtCity_KeyPress(int& KeyAscii) { LettersFilter(txtCity, KeyAscii); }
void frmMain::txtState_KeyPress(int& KeyAscii) { LettersFilter(txtState, KeyAscii); }
void frmMain::txtCountry_KeyPress(int& KeyAscii) { LettersFilter(txtCountry, KeyAscii); }
void frmMain::txtLatDegree_KeyPress(int& KeyAscii) { DigitsFilter(KeyAscii); }
void frmMain::txtLatMinute_KeyPress(int& KeyAscii) { DigitsFilter(KeyAscii); }
void frmMain::txtLongDegree_KeyPress(int& KeyAscii) { DigitsFilter(KeyAscii); }
void frmMain::txtLongMinute_KeyPress(int& KeyAscii) { DigitsFilter(KeyAscii); }

// ---- Checks ----------------------------------------------------------------------------

BirthInput frmMain::Input() const {
  BirthInput in;
  in.Name = txtName->text();
  in.City = txtCity->text();
  in.State = txtState->text();
  in.Country = txtCountry->text();
  in.LatDegree = txtLatDegree->text();
  in.LatMinute = txtLatMinute->text();
  in.LongDegree = txtLongDegree->text();
  in.LongMinute = txtLongMinute->text();
  in.North = optLatSouth[0]->isChecked();
  in.South = optLatSouth[1]->isChecked();
  in.East = optLongEast[0]->isChecked();
  in.West = optLongEast[1]->isChecked();
  in.MonthIndex = cboMonth->currentIndex();
  in.DayIndex = cboDate->currentIndex();
  in.DayText = cboDate->currentText();
  in.YearText = cboYear->currentText();
  in.HourText = cboHour->currentText();
  in.MinuteText = cboMinute->currentText();
  in.ZoneRow = cboTimeZone->currentIndex();
  in.DST = chkDST->checkState() != Qt::Unchecked;
  return in;
}

bool frmMain::ValidateInput() {
  const std::optional<InputProblem> problem = CheckBirthInput(Input());
  if (!problem) return true;
  platform::MsgBox(problem->Message, platform::MsgButtons::OK,
                   problem->Information ? platform::MsgIcon::Information : platform::MsgIcon::Critical);
  QLineEdit* const boxes[] = {nullptr,     txtName,     txtLongDegree, txtLongMinute, txtLatDegree,
                              txtLatMinute, txtCity,    txtState,      txtCountry};
  if (QLineEdit* box = boxes[static_cast<int>(problem->Focus)]) box->setFocus();
  if (problem->Choose == InputProblem::Default::LatSouth) optLatSouth[1]->setChecked(true);
  if (problem->Choose == InputProblem::Default::LongEast) optLongEast[0]->setChecked(true);
  return false;
}

// ---- Latitude-and-longitude lookup ------------------------------------------------------

void frmMain::Command1_Click() {
  const std::array<std::pair<QLineEdit*, const char*>, 3> place{{
      {txtCity, "Please Enter City"},
      {txtState, "Please Enter State"},
      {txtCountry, "Please Enter Country"},
  }};
  for (const auto& [box, message] : place) {
    if (box->text().isEmpty()) {
      platform::MsgBox(QLatin1String(message), platform::MsgButtons::OK, platform::MsgIcon::Critical);
      box->setFocus();
      return;
    }
  }
  const QString query = txtCity->text() + QLatin1Char(' ') + txtState->text() + QLatin1Char(' ') +
                        txtCountry->text() + QStringLiteral(" Latitude Longitude");
  // A new component for every click, released when the handler ends; without one
  // installed the click does nothing more.
  if (std::unique_ptr<platform::ILocationLookup> lookup = platform::Service<platform::ILocationLookupFactory>().Create()) {
    lookup->Lookup(query, HomePageAddress());
  }
}
