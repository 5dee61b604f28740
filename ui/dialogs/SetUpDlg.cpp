#include "ui/dialogs/SetUpDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/widgets/Language.h"

namespace lodex {

CSetUpDlg::CSetUpDlg(const SettingsChoice& current, const QString& language, QWidget* parent)
    : QDialog(parent),
      m_autoSynthesis(new QCheckBox(AppText(kAutoSynthesisLabel), this)),
      m_libraryBlocks(new QCheckBox(AppText(kLibraryBlocksLabel), this)),
      m_language(new QComboBox(this)) {
  setWindowTitle(AppText(kSettingsCaption));
  SetHelpTopic(this, help::kSettings);
  m_autoSynthesis->setObjectName("AutoSynthesis");
  m_libraryBlocks->setObjectName("LibraryBlocks");
  m_language->setObjectName("Language");
  m_autoSynthesis->setChecked(current.autoSynthesis);
  m_libraryBlocks->setChecked(current.libraryBlocks);
  m_autoSynthesis->setToolTip(tr("Применять разложение блока ко всем блокам с той же логической последовательностью"));
  m_libraryBlocks->setToolTip(
      tr("Показывать блоки, равные библиотечным элементам, их обозначениями (И, ИЛИ, исключающее ИЛИ...)"));
  // Each language is named in its own words, so that it can be found in
  // either.
  m_language->addItem(QStringLiteral("Русский"), QString(kRussian));
  m_language->addItem(QStringLiteral("English"), QString(kEnglish));
  m_language->setCurrentIndex(language == kEnglish ? 1 : 0);
  m_language->setToolTip(tr("Язык меню, окон и сообщений программы"));
  auto* languageRow = new QFormLayout;
  auto* languageLabel = new QLabel(tr("&Язык интерфейса:"), this);
  languageLabel->setBuddy(m_language);
  languageRow->addRow(languageLabel, m_language);
  auto* restart = new QLabel(tr("Язык меняется при следующем запуске программы."), this);
  restart->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_autoSynthesis);
  layout->addWidget(m_libraryBlocks);
  layout->addLayout(languageRow);
  layout->addWidget(restart);
  layout->addStretch();
  layout->addWidget(OkCancelButtons(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

SettingsChoice CSetUpDlg::Choice() const { return {m_autoSynthesis->isChecked(), m_libraryBlocks->isChecked()}; }

QString CSetUpDlg::Language() const { return m_language->currentData().toString(); }

}  // namespace lodex
