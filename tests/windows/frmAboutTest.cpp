// The about box: its texts and look, its links, and the keys and button that close it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "SiteConfig.h"
#include "windows/frmMain.h"
#include "platform/Forms.h"
#include "windows/frmAbout.h"
#include "support/Doubles.h"

namespace {

using platform::Form;

class frmAboutTest : public testing_doubles::WindowTest {};

TEST_F(frmAboutTest, TextsFontsAndPositions) {
  frmAbout& a = Form<frmAbout>::Show();
  EXPECT_EQ(a.windowTitle(), "QZ Astrology Ormandel v1.35");
  EXPECT_EQ(a.size(), QSize(429, 237));  // 6435 x 3555 twips
  EXPECT_TRUE(a.isModal());
  EXPECT_FALSE(a.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(a.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(a.palette().color(QPalette::Window), QColor(Qt::white));

  EXPECT_EQ(a.Label2->text(), "QZ Astrology Ormandel v1.35");
  EXPECT_TRUE(a.Label2->font().bold());
  EXPECT_DOUBLE_EQ(a.Label2->font().pointSizeF(), 9.75);
  EXPECT_EQ(a.Label1->text(),
            "The seven nerve centers along the spine which balances our endocrine and central nervous system are known "
            "as the Chakra. QZ Free Astrology Ormandel is an easy and accurate way to get yourself closer to the "
            "spiritual world. The program provides you an overview as to how the seven chakras affect your life.");
  EXPECT_EQ(a.Label3->text(),
            "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name "
            "&  link here.");
  EXPECT_EQ(a.lblHomePage->text(), "Click here to visit " + QString::fromUtf8(site::WebSite));
  EXPECT_EQ(a.lblCobrand->text(), "Click Here for more info on Co-branding");
  for (QLabel* link : {a.lblHomePage, a.lblCobrand}) {
    EXPECT_TRUE(link->font().underline());
    EXPECT_DOUBLE_EQ(link->font().pointSizeF(), 8.25);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  }
  EXPECT_EQ(a.cmdOK->text(), "OK");
  EXPECT_TRUE(a.cmdOK->isDefault());
  EXPECT_EQ(a.cmdOK->geometry(), QRect(338, 208, 84, 23));
  EXPECT_EQ(a.picIcon->geometry(), QRect(10, 10, 32, 32));
  // The picture box shows the program's own icon, not a stock one.
  const QImage programIcon = QIcon(":/assets/icon.png").pixmap(a.picIcon->size()).toImage();
  ASSERT_FALSE(programIcon.isNull());
  EXPECT_EQ(a.picIcon->pixmap().toImage(), programIcon);
  EXPECT_EQ(a.windowIcon().pixmap(32).toImage(), QIcon(":/assets/icon.png").pixmap(32).toImage());
  EXPECT_EQ(a.Line1[0]->objectName(), "Line1(0)");
  EXPECT_EQ(a.Line1[0]->y() + a.Line1[0]->height(), a.Line2->y() + 1 + a.Line1[0]->height() / 2);
  // Every text fits inside the window.
  for (QLabel* label : {a.Label1, a.Label2, a.Label3, a.lblHomePage, a.lblCobrand}) {
    EXPECT_TRUE(a.rect().contains(label->geometry())) << label->objectName().toStdString();
    EXPECT_LE(label->heightForWidth(label->width()) > 0 ? label->heightForWidth(label->width())
                                                        : label->sizeHint().height(),
              label->height() + 2)
        << label->objectName().toStdString();
  }
  if (!qEnvironmentVariableIsEmpty("ORMANDEL_SHOTS")) a.grab().save(qEnvironmentVariable("ORMANDEL_SHOTS") + "/frmAbout.png");
}

TEST_F(frmAboutTest, LinksOpenTheirPagesAndLeaveTheBoxOpen) {
  frmAbout& a = Form<frmAbout>::Show();
  QTest::mouseClick(a.lblHomePage, Qt::LeftButton);
  QTest::mouseClick(a.lblCobrand, Qt::LeftButton);
  QTest::mouseClick(a.Label1, Qt::LeftButton);
  EXPECT_EQ(d.shell->opened,
            QStringList({QString::fromUtf8(site::WebSite), QString::fromUtf8(site::HelpSite) + "/co-brand.html"}));
  EXPECT_TRUE(Form<frmAbout>::IsLoaded());
  EXPECT_TRUE(a.isVisible());
}

TEST_F(frmAboutTest, OkEnterEscapeAndTheCloseBoxUnloadIt) {
  QTest::mouseClick(Form<frmAbout>::Show().cmdOK, Qt::LeftButton);
  EXPECT_FALSE(Form<frmAbout>::IsLoaded());
  QTest::keyClick(&Form<frmAbout>::Show(), Qt::Key_Return);
  EXPECT_FALSE(Form<frmAbout>::IsLoaded());
  QTest::keyClick(&Form<frmAbout>::Show(), Qt::Key_Escape);
  EXPECT_FALSE(Form<frmAbout>::IsLoaded());
  Form<frmAbout>::Show().close();
  EXPECT_FALSE(Form<frmAbout>::IsLoaded());
}

TEST_F(frmAboutTest, TheInputWindowShowsItModallyAndWaits) {
  frmMain& f = Form<frmMain>::Show();
  bool sawModal = false;
  bool clickedLink = false;
  QTimer::singleShot(0, [&] {
    frmAbout* a = Form<frmAbout>::IfLoaded();
    ASSERT_NE(a, nullptr);
    sawModal = a->isVisible() && QApplication::activeModalWidget() == a;
    QTest::mouseClick(a->lblCobrand, Qt::LeftButton);
    clickedLink = Form<frmAbout>::IsLoaded() && QApplication::activeModalWidget() == a;
    QTest::keyClick(a, Qt::Key_Escape);
  });
  f.mnuAbout->trigger();  // returns only once the about box is closed
  EXPECT_TRUE(sawModal);
  EXPECT_TRUE(clickedLink);
  EXPECT_FALSE(Form<frmAbout>::IsLoaded());
  EXPECT_EQ(d.shell->opened, QStringList{QString::fromUtf8(site::HelpSite) + "/co-brand.html"});
}

}  // namespace
