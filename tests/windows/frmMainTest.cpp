// The input window as the user first sees it: lists, defaults, menus, links, the
// layout, and what closing it does.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "SiteConfig.h"
#include "astro/Shared.h"
#include "astro/modPlanetPosition_WesternTimeZones.h"
#include "windows/frmMain.h"
#include "platform/Forms.h"
#include "windows/frmStartup.h"
#include "support/Doubles.h"

namespace {

using platform::Form;

class frmMainTest : public testing_doubles::WindowTest {
 protected:
  frmMain& Open() { return Form<frmMain>::Show(); }
};

QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

TEST_F(frmMainTest, ListsHoldTheirEntriesAndStartAtTheFirst) {
  frmMain& f = Open();
  EXPECT_EQ(f.windowTitle(), "QZ Astrology Ormandel v1.35");
  EXPECT_EQ(f.windowIcon().pixmap(32).toImage(), QIcon(":/assets/icon.png").pixmap(32).toImage());

  const QStringList months = Items(f.cboMonth);
  ASSERT_EQ(months.size(), 12);
  EXPECT_EQ(months.front(), "January");
  EXPECT_EQ(months[1], "February");
  EXPECT_EQ(months.back(), "December");
  const QStringList days = Items(f.cboDate);
  ASSERT_EQ(days.size(), 31);
  EXPECT_EQ(days.front(), "1");
  EXPECT_EQ(days[8], "9");
  EXPECT_EQ(days.back(), "31");
  const QStringList years = Items(f.cboYear);
  ASSERT_EQ(years.size(), 150);
  EXPECT_EQ(years.front(), "1901");
  EXPECT_EQ(years.back(), "2050");
  const QStringList hours = Items(f.cboHour);
  ASSERT_EQ(hours.size(), 24);
  EXPECT_EQ(hours.front(), "0");
  EXPECT_EQ(hours.back(), "23");
  const QStringList minutes = Items(f.cboMinute);
  ASSERT_EQ(minutes.size(), 60);
  EXPECT_EQ(minutes[5], "5");
  EXPECT_EQ(minutes.back(), "59");

  // The zone list is the table's rows 0..70: a list index is a table row.
  ASSERT_EQ(f.cboTimeZone->count(), 71);
  for (int row = 0; row < 71; ++row) {
    EXPECT_EQ(f.cboTimeZone->itemText(row).toStdString(), astro::TimeZoneNames[static_cast<std::size_t>(row)]);
  }

  for (QComboBox* list : {f.cboMonth, f.cboDate, f.cboYear, f.cboHour, f.cboMinute, f.cboTimeZone}) {
    EXPECT_EQ(list->currentIndex(), 0) << list->objectName().toStdString();
    EXPECT_FALSE(list->isEditable()) << list->objectName().toStdString();
  }
  for (QLineEdit* box : {f.txtName, f.txtLatDegree, f.txtLatMinute, f.txtLongDegree, f.txtLongMinute, f.txtCity,
                         f.txtState, f.txtCountry}) {
    EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
  }
  EXPECT_TRUE(f.optLatSouth[0]->isChecked());
  EXPECT_FALSE(f.optLatSouth[1]->isChecked());
  EXPECT_TRUE(f.optLongEast[0]->isChecked());
  EXPECT_FALSE(f.optLongEast[1]->isChecked());
  EXPECT_FALSE(f.chkDST->isChecked());
}

TEST_F(frmMainTest, LoadFillsTheSharedNameTables) {
  astro::PlanetNames.fill("stale");
  astro::SignAbbrevs.fill("stale");
  Open();
  const std::array<std::string, 11> planets{"Sun",  "Moon", "Mercury", "Venus",     "Mars", "Jupiter",
                                            "Saturn", "Rahu", "Ketu", "Ascendant", ""};
  const std::array<std::string, 13> signs{"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib",
                                          "Sco", "Sag", "Cap", "Aqu", "Pis", ""};
  EXPECT_EQ(astro::PlanetNames, planets);
  EXPECT_EQ(astro::SignAbbrevs, signs);
}

TEST_F(frmMainTest, CaptionsAndStaticTexts) {
  frmMain& f = Open();
  EXPECT_EQ(f.optLatSouth[0]->objectName(), "optLatSouth(0)");
  EXPECT_EQ(f.optLongEast[1]->objectName(), "optLongEast(1)");
  EXPECT_EQ(f.optLatSouth[0]->text(), "North");
  EXPECT_EQ(f.optLatSouth[1]->text(), "South");
  EXPECT_EQ(f.optLongEast[0]->text(), "East");
  EXPECT_EQ(f.optLongEast[1]->text(), "West");
  EXPECT_EQ(f.chkDST->text(), "Daylight Saving Time");
  EXPECT_EQ(f.cmdCalculate->text(), "Get My &Ormandel");
  EXPECT_EQ(f.cmdOpen->text(), "&Open Previously Saved Reading");
  EXPECT_EQ(f.Command1->text(), "Click here to find Latitude && Longitude");  // shows one "&"

  // Labels have no access keys: their texts show as the user reads them.
  EXPECT_EQ(f.lblCobrand->text(),
            "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name "
            "&  link here. See \"Help\" for details. Click Here for more info on co-branding.");
  EXPECT_EQ(f.lblCobrand->textFormat(), Qt::PlainText);
  EXPECT_EQ(f.lblFullBrand->text(),
            "Home Business Opportunity. Start your own Internet business and make money online. Get this software "
            "fully branded for your website. Click here for more details.");
  EXPECT_EQ(f.lblWelcome->text(),
            "Welcome to QZ Astrology Ormandel. The Ormandel along with the natal chart and the planetary positions, "
            "gives you a better picture as to how your life will unfold. Ormandel means 'the chakra or circle of "
            "astrological signs'. The chakra comprises of 12 houses related to the Sun and the Planets and the "
            "Ormandel Chart features the Sun Signs.");
  EXPECT_EQ(f.lblInstruction->text(), "To get your Ormandel Chart, simple input the following details!");
  EXPECT_TRUE(f.lblURL->text().endsWith(QString::fromUtf8(site::WebSite)));
  const std::vector<std::pair<QLabel*, QString>> captions{
      {f.lblName, "Name:"},         {f.lblBirthday, "Birthday:"},     {f.lblTimeOfBirth, "Time Of Birth:"},
      {f.lblHourMinute, "Hour / Minute"}, {f.lblTimeZone, "Time Zone:"}, {f.lblLatitude, "Latitude:"},
      {f.lblLongitude, "Longitude:"}, {f.lblDegMin[0], "DEG / MIN"},   {f.lblDegMin[1], "DEG / MIN"},
      {f.lblCity, "City:"},         {f.lblState, "State:"},           {f.lblCountry, "Country:"}};
  for (const auto& [label, text] : captions) EXPECT_EQ(label->text(), text);
}

TEST_F(frmMainTest, LayoutColumnsAndOverlaidLabels) {
  frmMain& f = Open();
  QWidget* client = f.centralWidget();
  const auto at = [client](QWidget* w) { return w->mapTo(client, QPoint(0, 0)); };
  // Top to bottom: link line, welcome, instruction, Open across the width.
  EXPECT_LT(at(f.lblURL).y(), at(f.lblWelcome).y());
  EXPECT_LT(at(f.lblWelcome).y(), at(f.lblInstruction).y());
  EXPECT_LT(at(f.lblInstruction).y(), at(f.cmdOpen).y());
  EXPECT_GT(f.cmdOpen->width(), client->width() * 9 / 10);
  // Left column below Open, right column to its right.
  for (QWidget* left : std::initializer_list<QWidget*>{f.txtName, f.cboMonth, f.cboHour, f.cboTimeZone, f.cmdCalculate}) {
    EXPECT_GT(at(left).y(), at(f.cmdOpen).y());
    EXPECT_LT(at(left).x() + left->width(), at(f.txtLatDegree).x());
  }
  EXPECT_LT(at(f.cboMonth).x(), at(f.cboDate).x());
  EXPECT_LT(at(f.cboDate).x(), at(f.cboYear).x());
  EXPECT_LT(at(f.txtLatDegree).x(), at(f.optLatSouth[0]).x());
  EXPECT_LT(at(f.optLatSouth[1]).x(), at(f.txtLatMinute).x());
  EXPECT_LT(at(f.txtLatMinute).x(), at(f.lblDegMin[0]).x());
  EXPECT_LT(at(f.txtCity).y(), at(f.txtState).y());
  EXPECT_LT(at(f.txtState).y(), at(f.txtCountry).y());
  EXPECT_GT(at(f.Command1).x(), at(f.txtCity).x() + f.txtCity->width());
  EXPECT_GE(f.Command1->height(), f.txtCountry->y() + f.txtCountry->height() - f.txtCity->y());
  // The two advertising labels lie exactly over each other in the bottom frame.
  EXPECT_EQ(f.lblCobrand->geometry(), f.lblFullBrand->geometry());
  EXPECT_EQ(f.lblCobrand->parentWidget(), f.fraFullBrand);
  EXPECT_GT(at(f.fraFullBrand).y(), at(f.cmdCalculate).y() + f.cmdCalculate->height());
  // Every control lies inside the client area, and no two controls overlap
  // except the advertising pair.
  std::vector<QWidget*> controls;
  for (QWidget* w : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isVisible()) controls.push_back(w);
  }
  for (QWidget* w : controls) {
    EXPECT_TRUE(client->rect().contains(w->geometry())) << w->objectName().toStdString();
    for (QWidget* other : controls) {
      if (other != w) {
        EXPECT_FALSE(w->geometry().intersects(other->geometry()))
            << w->objectName().toStdString() << " / " << other->objectName().toStdString();
      }
    }
  }
  if (!qEnvironmentVariableIsEmpty("ORMANDEL_SHOTS")) f.grab().save(qEnvironmentVariable("ORMANDEL_SHOTS") + "/frmMain.png");
}

TEST_F(frmMainTest, OpensCentredOnTheScreen) {
  frmMain& f = Open();
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(f.geometry().center(), screen->availableGeometry().center());
}

TEST_F(frmMainTest, MenusAndTheirPages) {
  frmMain& f = Open();
  const QList<QAction*> top = f.menuBar()->actions();
  ASSERT_EQ(top.size(), 4);
  EXPECT_EQ(top[0]->text(), "&File");
  EXPECT_EQ(top[1]->text(), "&Help");
  EXPECT_EQ(top[2]->text(), "Donate");
  EXPECT_EQ(top[3]->text(), "Make Money &Online");
  EXPECT_FALSE(f.mnuMakeMoney->isVisible());  // never offered to the user

  QStringList file;
  for (QAction* a : f.mnuFile->actions()) file << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(file, QStringList({"Get My &Ormandel", "-", "&Exit"}));
  QStringList help;
  for (QAction* a : f.mnuHelp->actions()) help << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(help, QStringList({"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                               "&About Software"}));
  for (QAction* a : f.mnuFile->actions() + f.mnuHelp->actions()) EXPECT_TRUE(a->shortcut().isEmpty());

  const QString web = QString::fromUtf8(site::WebSite);
  const QString help_site = QString::fromUtf8(site::HelpSite);
  f.mnuOnline->trigger();
  f.mnuVisit->trigger();
  f.mnuUpdate->trigger();
  f.mnuDonate->trigger();
  EXPECT_EQ(d.shell->opened,
            QStringList({web + "/qz-free-astrology-ormandel/qz-free-astrology-ormandel-help.html", web,
                         web + "/qz-free-astrology-ormandel/download-qz-free-astrology-ormandel.html",
                         help_site + "/donate.html"}));
  EXPECT_TRUE(d.messages->shown.empty());
}

TEST_F(frmMainTest, LinkLabelsOpenTheirPagesAndFullBrandOpensNothing) {
  frmMain& f = Open();
  QTest::mouseClick(f.lblURL, Qt::LeftButton);
  f.lblCobrand->raise();
  QTest::mouseClick(f.lblCobrand, Qt::LeftButton);
  f.lblFullBrand->raise();
  QTest::mouseClick(f.lblFullBrand, Qt::LeftButton);
  EXPECT_EQ(d.shell->opened,
            QStringList({QString::fromUtf8(site::WebSite), QString::fromUtf8(site::HelpSite) + "/co-brand.html"}));
  // Only the clickable ones show the hand.
  EXPECT_EQ(f.lblURL->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(f.lblCobrand->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(f.lblFullBrand->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(frmMainTest, ExitUnloadsAndANewShowStartsFromTheDefaults) {
  frmMain& f = Open();
  f.txtName->setText("Anna");
  f.cboMonth->setCurrentIndex(5);
  f.cboTimeZone->setCurrentIndex(20);
  f.optLatSouth[1]->setChecked(true);
  f.chkDST->setChecked(true);
  // Hidden (as the chart run does), the window keeps what was entered.
  Form<frmMain>::Hide();
  Form<frmMain>::Show();
  EXPECT_EQ(f.txtName->text(), "Anna");
  EXPECT_EQ(f.cboMonth->currentIndex(), 5);

  f.mnuExit->trigger();
  EXPECT_FALSE(Form<frmMain>::IsLoaded());
  frmMain& again = Open();
  EXPECT_TRUE(again.txtName->text().isEmpty());
  EXPECT_EQ(again.cboMonth->currentIndex(), 0);
  EXPECT_EQ(again.cboTimeZone->currentIndex(), 0);
  EXPECT_EQ(again.cboTimeZone->count(), 71);
  EXPECT_TRUE(again.optLatSouth[0]->isChecked());
  EXPECT_FALSE(again.chkDST->isChecked());

  // The close box unloads it too.
  again.close();
  EXPECT_FALSE(Form<frmMain>::IsLoaded());
}

TEST_F(frmMainTest, ClosingLeavesTheStartupFormLoadedAndHidden) {
  Form<frmStartup>::Get().show();
  frmMain& f = Open();
  f.close();
  EXPECT_FALSE(Form<frmMain>::IsLoaded());
  ASSERT_TRUE(Form<frmStartup>::IsLoaded());
  EXPECT_FALSE(Form<frmStartup>::Get().isVisible());
}

}  // namespace
