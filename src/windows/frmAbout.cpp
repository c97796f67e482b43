#include "windows/frmAbout.h"

#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "platform/Forms.h"
#include "platform/LinkLabel.h"
#include "platform/Look.h"
#include "platform/Pictures.h"
#include "windows/modHelp.h"
#include "windows/ProgramTexts.h"

using platform::PlaceTw;

namespace {

// A straight horizontal line drawn as a thin filled strip.
QFrame* MakeLine(QWidget* parent, const char* name, const QColor& colour, int x1, int x2, int y, int width) {
  auto* line = new QFrame(parent);
  line->setObjectName(QLatin1String(name));
  platform::SetBackColor(line, colour, colour);
  const int top = platform::Px(y) - (width - 1) / 2;
  line->setGeometry(platform::Px(x1), top, platform::Px(x2) - platform::Px(x1) + 1, width);
  return line;
}

}  // namespace

frmAbout::frmAbout() {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(VersionedTitle());
  // Fixed dialog border, no minimize or maximize button, no taskbar entry.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(true);
  setFont(platform::UiFont(QStringLiteral("Verdana"), 8.25));
  platform::SetBackColor(this, platform::ClassicColor(15), platform::ClassicColor(0));
  setFixedSize(platform::Px(6435), platform::Px(3555));

  picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  PlaceTw(picIcon, 150, 150, 480, 480);
  // The program's own icon, in the caption and in the picture box.
  const QIcon icon = platform::ProgramIcon();
  setWindowIcon(icon);
  picIcon->setPixmap(icon.pixmap(picIcon->size()));

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  PlaceTw(cmdOK, 5070, 3120, 1260, 345);
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

  const QFont link = platform::UiFont(QStringLiteral("Verdana"), 8.25, false, false, true);
  const QColor linkColour = platform::ClassicColor(9);
  const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
  lblHomePage = platform::MakeLabel(this, {"lblHomePage", QStringLiteral("Click here to visit ") + HomePageAddress(),
                                           {2250, 1950, 4050, 195}, link, linkColour});
  Label3 = platform::MakeLabel(
      this, {"Label3",
             CoBrandInvitation(),
             {150, 2280, 6165, 435}, {}, {}, topLeft, true});
  lblCobrand = platform::MakeLabel(this, {"lblCobrand", QStringLiteral("Click Here for more info on Co-branding"),
                                          {2880, 2700, 3465, 195}, link, linkColour});

  // Line1(0), white and two wide, lies under Line2: together they make an etched
  // separator above the OK button.
  Line1[0] = MakeLine(this, "Line1(0)", platform::ClassicColor(15), 135, 6330, 3030, 2);
  Line2 = MakeLine(this, "Line2", platform::ClassicColor(8), 150, 6300, 3030, 1);
  Line2->raise();

  Label2 = platform::MakeLabel(this, {"Label2", VersionedTitle(), {780, 270, 3570, 240},
                                      platform::UiFont(QStringLiteral("Verdana"), 9.75, true)});
  Label1 = platform::MakeLabel(
      this, {"Label1",
             QStringLiteral("The seven nerve centers along the spine which balances our endocrine and central nervous "
                            "system are known as the Chakra. QZ Free Astrology Ormandel is an easy and accurate way to "
                            "get yourself closer to the spiritual world. The program provides you an overview as to "
                            "how the seven chakras affect your life."),
             {150, 750, 6165, 1215}, {}, {}, topLeft, true});

  platform::MakeLinkLabel(lblHomePage, [this] { lblHomePage_Click(); });
  platform::MakeLinkLabel(lblCobrand, [this] { lblCobrand_Click(); });
}

void frmAbout::Form_Load() {
  platform::CentreOnScreen(this);
}

void frmAbout::cmdOK_Click() { platform::Form<frmAbout>::Unload(); }

void frmAbout::reject() { cmdOK_Click(); }

void frmAbout::lblHomePage_Click() { OpenHomePage(); }

void frmAbout::lblCobrand_Click() { OpenCoBrandPage(); }

void frmAbout::closeEvent(QCloseEvent* event) {
  event->accept();
  platform::Form<frmAbout>::Unload();
}
