// The application's style: its own overflow-button pictures are Qt's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <initializer_list>
#include <memory>

#include "platform/Style.h"

TEST(Style, OverflowButtonsShowThePicturesOfThePlatformsStyle) {
  platform::InstallStyle();
  const auto* installed = qobject_cast<const QProxyStyle*>(QApplication::style());
  ASSERT_TRUE(installed);
  const std::unique_ptr<QStyle> own(QStyleFactory::create(installed->baseStyle()->name()));
  ASSERT_TRUE(own);
  QStyleOption rightToLeft;
  rightToLeft.direction = Qt::RightToLeft;
  for (const QStyle::StandardPixmap picture :
       {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
    for (const QStyleOption* option : std::initializer_list<const QStyleOption*>{nullptr, &rightToLeft}) {
      const QIcon ours = QApplication::style()->standardIcon(picture, option);
      const QIcon theirs = own->standardIcon(picture, option);
      ASSERT_FALSE(ours.isNull());
      for (int size : {8, 16, 32}) {
        EXPECT_EQ(ours.pixmap(size).toImage(), theirs.pixmap(size).toImage()) << picture << " at " << size;
      }
    }
  }
}
