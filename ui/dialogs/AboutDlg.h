// The about box "О программе".
#pragma once

#include <QDialog>

namespace lodex {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace lodex
