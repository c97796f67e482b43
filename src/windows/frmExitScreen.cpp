#include "windows/frmExitScreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "platform/Forms.h"
#include "platform/LinkLabel.h"
#include "platform/Look.h"
#include "platform/Pictures.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "windows/ExitScreenRoad.h"
#include "windows/modHelp_QuitApplication.h"
#include "windows/modHelp_WebLinks.h"
#include "windows/modTellAFriend.h"
#include "windows/ProgramTexts.h"

using platform::PlaceTw;
using platform::TrimBlanks;
using platform::UiFont;

const std::array<QString, 4> frmExitScreen::SupportTexts{
    QStringLiteral("Velmora Softwares, such as this can be created and maintained only with your support. The best "
                   "way to support Velmora is to visit Velmora regularly and take part in the discussions and other "
                   "activities on the board."),
    QStringLiteral("Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. "
                   "These softwares cannot be supported and maintained, without you regularly visiting Velmora"),
    QStringLiteral("Velmora is a FREE online discussion forum where people who share an interest in astrology and "
                   "the occult meet and talk. Please help Velmora develop and maintain this software by visiting it "
                   "regularly."),
    QStringLiteral("Velmora needs your help. All you need to do is visit Velmora regularly and take part in the "
                   "various discussions and activites to help us maintain and develop more Velmora Softwares."),
};

namespace {

const QColor Navy = platform::ClassicColor(1);
const QColor White = platform::ClassicColor(15);
const QColor Yellow = platform::ClassicColor(14);
const QColor LinkDarkBlue(0, 0, 192);

const QString InitialMessage = QStringLiteral("Your Message\r\n");

// A navy frame with its caption in white, as both frames of the window are.
QGroupBox* MakeNavyFrame(QWidget* parent, const char* name, const QString& caption) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setObjectName(QLatin1String(name));
  frame->setFont(UiFont(QStringLiteral("Verdana"), 9.75, true));
  frame->setStyleSheet(QStringLiteral("QGroupBox#%1 { background: rgb(0, 0, 128); color: white;"
                                      " border: 1px solid rgb(160, 160, 160); margin-top: 8px; }"
                                      "QGroupBox#%1::title { subcontrol-origin: margin; subcontrol-position: top left;"
                                      " left: 6px; padding: 0px 2px; color: white; background: rgb(0, 0, 128); }")
                           .arg(QLatin1String(name)));
  return frame;
}

QLineEdit* MakeBox(QWidget* parent, const char* name, const QString& text) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(QLatin1String(name));
  box->setFont(UiFont(QStringLiteral("Verdana"), 8.25));
  return box;
}

// Watermark off: a box showing nothing but its watermark is emptied.
// The site address as people write it: without the scheme.
QString SiteForDisplay() {
  QString site = HomePageAddress();
  for (const char* scheme : {"https://", "http://"}) {
    if (site.startsWith(QLatin1String(scheme))) return site.mid(static_cast<qsizetype>(qstrlen(scheme)));
  }
  return site;
}

void WatermarkOff(QLineEdit* box, const QString& watermark) {
  if (TrimBlanks(box->text()) == watermark) box->clear();
}

// Watermark on: a box left blank shows its watermark again.
void WatermarkOn(QLineEdit* box, const QString& watermark) {
  if (TrimBlanks(box->text()).isEmpty()) box->setText(watermark);
}

}  // namespace

frmExitScreen::frmExitScreen() {
  setObjectName(QStringLiteral("frmExitScreen"));
  setWindowTitle(VersionedTitle());
  setWindowIcon(platform::ProgramIcon());
  // Fixed single border, no minimise or maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(UiFont(QStringLiteral("MS Sans Serif"), 8.25));
  platform::SetBackColor(this, White, platform::ClassicColor(0));
  setFixedSize(platform::Px(11115), platform::Px(4725));

  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  PlaceTw(Picture1, 360, 120, 540, 540);
  Picture1->setPixmap(windowIcon().pixmap(Picture1->size()));
  Picture1->setAlignment(Qt::AlignCenter);

  // Label1 is wider than designed: the substituted face needs more room than the original.
  Label1 = platform::MakeLabel(this, {"Label1", VersionedTitle(), {1080, 240, 6120, 435},
                                      UiFont(QStringLiteral("MS Sans Serif"), 18)});
  Label2 = platform::MakeLabel(this, {"Label2", SupportTexts[1], {120, 840, 6975, 1095},
                                      UiFont(QStringLiteral("Verdana"), 9.75, true), {},
                                      Qt::AlignLeft | Qt::AlignTop, true});

  Check1 = new QCheckBox(QStringLiteral("Click Here To Visit ") + SiteForDisplay() + QStringLiteral(" Now"), this);
  Check1->setObjectName(QStringLiteral("Check1"));
  Check1->setFont(UiFont(QStringLiteral("Verdana"), 14.25));
  platform::SetForeColor(Check1, LinkDarkBlue);
  Check1->setCursor(Qt::PointingHandCursor);
  PlaceTw(Check1, 120, 2040, 7155, 495);
  connect(Check1, &QCheckBox::toggled, this, &frmExitScreen::Check1_Click);

  cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  PlaceTw(cmdClose, 6000, 2760, 1245, 375);
  connect(cmdClose, &QPushButton::clicked, this, &frmExitScreen::cmdClose_Click);

  BuildReferAFriendFrame();
  BuildDownloadFrame();
}

void frmExitScreen::BuildReferAFriendFrame() {
  fraReferAFriend = MakeNavyFrame(this, "fraReferAFriend", QStringLiteral("Refer A Friend"));
  PlaceTw(fraReferAFriend, 120, 3240, 7065, 1455);

  txtName = MakeBox(fraReferAFriend, "txtName", WatermarkName);
  PlaceTw(txtName, 240, 330, 3195, 315);
  txtEmail = MakeBox(fraReferAFriend, "txtEmail", WatermarkEmail);
  PlaceTw(txtEmail, 3630, 330, 3195, 315);
  txtFriendName = MakeBox(fraReferAFriend, "txtFriendName", WatermarkFriendName);
  PlaceTw(txtFriendName, 240, 705, 3195, 315);
  txtFriendEmail = MakeBox(fraReferAFriend, "txtFriendEmail", WatermarkFriendEmail);
  PlaceTw(txtFriendEmail, 3630, 705, 3195, 315);

  cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), fraReferAFriend);
  cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
  cmdSubmit->setFont(UiFont(QStringLiteral("Verdana"), 8.25, true));
  PlaceTw(cmdSubmit, (7065 - 2415) / 2, 1080, 2415, 315);
  connect(cmdSubmit, &QPushButton::clicked, this, &frmExitScreen::cmdSubmit_Click);

  txtMessage = new QPlainTextEdit(fraReferAFriend);
  txtMessage->setObjectName(QStringLiteral("txtMessage"));
  txtMessage->setFont(UiFont(QStringLiteral("Verdana"), 8.25));
  PlaceTw(txtMessage, 4800, 3600, 1815, 495);
  SetMessageText(InitialMessage);

  controlEvents.Focus(txtName, [this] { txtName_GotFocus(); }, [this] { txtName_LostFocus(); });
  controlEvents.Focus(txtEmail, [this] { txtEmail_GotFocus(); }, [this] { txtEmail_LostFocus(); });
  controlEvents.Focus(txtMessage, [this] { txtMessage_GotFocus(); }, [this] { txtMessage_LostFocus(); });
  controlEvents.Focus(txtFriendName, [this] { txtFriendName_GotFocus(); }, [this] { txtFriendName_LostFocus(); });
  controlEvents.Focus(txtFriendEmail, [this] { txtFriendEmail_GotFocus(); }, [this] { txtFriendEmail_LostFocus(); });
  controlEvents.KeyPress(txtEmail, [this](int& KeyAscii) { txtEmail_KeyPress(KeyAscii); });
  controlEvents.KeyPress(txtFriendEmail, [this](int& KeyAscii) { txtFriendEmail_KeyPress(KeyAscii); });
}

void frmExitScreen::BuildDownloadFrame() {
  fraDownload = MakeNavyFrame(this, "fraDownload", QStringLiteral("Download Velmora Softwares"));
  PlaceTw(fraDownload, 7320, 120, 3735, 4575);

  const QString about =
      QStringLiteral("If you have enjoyed this software you will surely be interested in our other Velmora "
                     "Softwares. From a single software, we have now grown to become the world\u2019s largest "
                     "resource of Velmora Softwares. Be it astrology, psychic, tarot, numerology or occult, we have "
                     "programs in all fields thus giving our users a wide choice depending on their interests.") +
          QString(61, QLatin1Char(' ')) +
          QStringLiteral("All the programs in the Velmora Softwares suite are simple and easy to use. They are not "
                         "only fun to use but also very informative. Try them out today and share your experience "
                         "with your friends and family. ");
  Label3 = platform::MakeLabel(fraDownload, {"Label3", about, {120, 330, 3495, 3525},
                                             UiFont(QStringLiteral("Verdana"), 9), White,
                                             Qt::AlignLeft | Qt::AlignTop, true});
  // lblGoToHome takes two lines when the face in use is too wide for one.
  lblGoToHome = platform::MakeLabel(fraDownload, {"lblGoToHome", QStringLiteral("Click Here To Visit Velmora Softwares"),
                                                  {120, 3900, 3495, 555},
                                                  UiFont(QStringLiteral("Verdana"), 9, true, false, true), Yellow,
                                                  Qt::AlignHCenter | Qt::AlignBottom, true});
  platform::MakeLinkLabel(lblGoToHome, [this] { lblGoToHome_Click(); });
}

QString frmExitScreen::MessageText() const {
  QString text = txtMessage->toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
}

void frmExitScreen::SetMessageText(const QString& text) {
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  txtMessage->setPlainText(plain);
}

// ---- Load and quitting -------------------------------------------------------------

void frmExitScreen::Form_Load() {
  platform::IRandom& random = platform::Service<platform::IRandom>();
  random.Randomize();
  const int pick = std::clamp(static_cast<int>(std::floor(random.Rnd() * 4.0f)), 0, 3);
  Label2->setText(SupportTexts[static_cast<std::size_t>(pick)]);

  // On top of other windows, without taking the focus from the window in use.
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  setAttribute(Qt::WA_ShowWithoutActivating, true);

  platform::CentreOnScreen(this);
}

void frmExitScreen::Form_Unload() { QuitApplication(); }

void frmExitScreen::cmdClose_Click() { QuitApplication(); }

void frmExitScreen::closeEvent(QCloseEvent* event) {
  event->accept();
  platform::Form<frmExitScreen>::Unload();
}

// ---- Links -------------------------------------------------------------------------

void frmExitScreen::Check1_Click() {
  // The check box is a link: a tick is taken back at once (which runs this handler
  // again, finding it unticked) and the home page opens.
  if (Check1->isChecked()) {
    Check1->setChecked(false);
    OpenHomePage();
  }
}

void frmExitScreen::lblGoToHome_Click() { OpenSoftwareCataloguePage(); }

// ---- Refer a friend ------------------------------------------------------------------

void frmExitScreen::cmdSubmit_Click() {
  strReferName = TrimBlanks(txtName->text());
  strReferEmail = TrimBlanks(txtEmail->text());
  strReferMessage = TrimBlanks(MessageText());
  strReferFriendName = TrimBlanks(txtFriendName->text());
  strReferFriendEmail = TrimBlanks(txtFriendEmail->text());

  auto fail = [](const QString& message) {
    platform::MsgBox(message, platform::MsgButtons::OK, platform::MsgIcon::Critical);
  };
  if (strReferEmail == strReferFriendEmail) return fail(QStringLiteral("Please Enter Distinct Email Addresses"));
  if (!strReferEmail.contains(QLatin1Char('@')) || !strReferFriendEmail.contains(QLatin1Char('@'))) {
    return fail(QStringLiteral("Please Enter Proper Email Address"));
  }
  if (!strReferEmail.contains(QLatin1Char('.')) || !strReferFriendEmail.contains(QLatin1Char('.'))) {
    return fail(QStringLiteral("Please Enter Proper Email Address"));
  }
  SubmitReferAFriend();
}

// ---- Watermarks and the space filter ----------------------------------------------------

void frmExitScreen::txtName_GotFocus() { WatermarkOff(txtName, WatermarkName); }
void frmExitScreen::txtEmail_GotFocus() { WatermarkOff(txtEmail, WatermarkEmail); }
void frmExitScreen::txtFriendName_GotFocus() { WatermarkOff(txtFriendName, WatermarkFriendName); }
void frmExitScreen::txtFriendEmail_GotFocus() { WatermarkOff(txtFriendEmail, WatermarkFriendEmail); }
void frmExitScreen::txtMessage_GotFocus() {
  // The initial text ends in a line break, so it is not the watermark alone and stays.
  if (TrimBlanks(MessageText()) == WatermarkMessage) txtMessage->clear();
}

void frmExitScreen::txtName_LostFocus() { WatermarkOn(txtName, WatermarkName); }
void frmExitScreen::txtEmail_LostFocus() { WatermarkOn(txtEmail, WatermarkEmail); }
void frmExitScreen::txtFriendName_LostFocus() { WatermarkOn(txtFriendName, WatermarkFriendName); }
void frmExitScreen::txtFriendEmail_LostFocus() { WatermarkOn(txtFriendEmail, WatermarkFriendEmail); }
void frmExitScreen::txtMessage_LostFocus() {
  if (TrimBlanks(MessageText()).isEmpty()) SetMessageText(WatermarkMessage);
}

void frmExitScreen::SpaceFilter(QLineEdit* box, int& KeyAscii) {
  if (KeyAscii != 32) return;
  platform::MsgBox(QStringLiteral("Email Address Cannot Contain Space"), platform::MsgButtons::OK,
                   platform::MsgIcon::Critical);
  KeyAscii = 0;
  box->setFocus();
}

void frmExitScreen::txtEmail_KeyPress(int& KeyAscii) { SpaceFilter(txtEmail, KeyAscii); }
void frmExitScreen::txtFriendEmail_KeyPress(int& KeyAscii) { SpaceFilter(txtFriendEmail, KeyAscii); }

// ---- The road into the exit screen --------------------------------------------------------

void ShowExitScreen() {
  // Windows closing while the program quits bring up nothing new.
  if (QuitInProgress()) return;
  platform::Form<frmExitScreen>::Show();
}

void HideExitScreen() { platform::Form<frmExitScreen>::Hide(); }
