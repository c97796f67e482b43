#include "shell/frmStartup.h"

#include <QApplication>

frmStartup::frmStartup() { setObjectName(QStringLiteral("frmStartup")); }

void frmStartup::Form_Load() {}

void frmStartup::Form_Unload() { QApplication::quit(); }
