// The settings dialog "Настройки": auto-synthesis and library blocks.
#pragma once

#include <QDialog>

#include "app/DocumentHost.h"

class QCheckBox;

namespace lodex {

class CSetUpDlg : public QDialog {
  Q_OBJECT
 public:
  // Starts with the document's values.
  explicit CSetUpDlg(const SettingsChoice& current, QWidget* parent = nullptr);
  SettingsChoice Choice() const;

 private:
  QCheckBox* m_autoSynthesis;
  QCheckBox* m_libraryBlocks;
};

}  // namespace lodex
