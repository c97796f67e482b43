#include "shell/frmStartup.h"

#include <QApplication>

#include "chart/frmMain.h"
#include "platform/Forms.h"

frmStartup::frmStartup() { setObjectName(QStringLiteral("frmStartup")); }

void frmStartup::Form_Load() { platform::Form<frmMain>::Show(); }

void frmStartup::Form_Unload() { QApplication::quit(); }
