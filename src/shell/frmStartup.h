// The hidden start-up form: loaded at start, never shown.
#pragma once

#include <QWidget>

class frmStartup : public QWidget {
  Q_OBJECT
 public:
  frmStartup();
  void Form_Load();
  void Form_Unload();
};
