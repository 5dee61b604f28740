// The settings dialog "Установки": auto-synthesis and library blocks.
#pragma once

#include <QDialog>

#include "app/DocumentHost.h"

class QCheckBox;
class QDialogButtonBox;

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

// The OK and Cancel buttons of the program's dialogs, with Russian texts and
// the OK image; accepted and rejected go to `dialog`.
QDialogButtonBox* OkCancelButtons(QDialog* dialog, bool withCancel = true);

}  // namespace lodex
