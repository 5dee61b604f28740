// The settings dialog "Настройки": auto-synthesis and library blocks, which
// belong to the document, and the interface language, which the program
// keeps in its settings and takes at the next start.
#pragma once

#include <QDialog>
#include <QString>

#include "app/DocumentHost.h"

class QCheckBox;
class QComboBox;

namespace lodex {

class CSetUpDlg : public QDialog {
  Q_OBJECT
 public:
  // Starts with the document's values and the language kept in the settings
  // ("ru" or "en").
  explicit CSetUpDlg(const SettingsChoice& current, const QString& language = "ru", QWidget* parent = nullptr);
  SettingsChoice Choice() const;
  // "ru" or "en".
  QString Language() const;

 private:
  QCheckBox* m_autoSynthesis;
  QCheckBox* m_libraryBlocks;
  QComboBox* m_language;
};

}  // namespace lodex
