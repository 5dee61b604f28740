#include "ui/dialogs/SetUpDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/HelpDesk.h"

namespace lodex {

CSetUpDlg::CSetUpDlg(const SettingsChoice& current, QWidget* parent)
    : QDialog(parent),
      m_autoSynthesis(new QCheckBox(kAutoSynthesisLabel, this)),
      m_libraryBlocks(new QCheckBox(kLibraryBlocksLabel, this)) {
  setWindowTitle(kSettingsCaption);
  SetHelpTopic(this, help::kSettings);
  m_autoSynthesis->setObjectName("AutoSynthesis");
  m_libraryBlocks->setObjectName("LibraryBlocks");
  m_autoSynthesis->setChecked(current.autoSynthesis);
  m_libraryBlocks->setChecked(current.libraryBlocks);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_autoSynthesis);
  layout->addWidget(m_libraryBlocks);
  layout->addStretch();
  layout->addWidget(OkCancelButtons(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

SettingsChoice CSetUpDlg::Choice() const { return {m_autoSynthesis->isChecked(), m_libraryBlocks->isChecked()}; }

}  // namespace lodex
