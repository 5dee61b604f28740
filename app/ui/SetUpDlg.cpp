#include "app/ui/SetUpDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/Lodex.h"

namespace lodex {

QDialogButtonBox* OkCancelButtons(QDialog* dialog, bool withCancel) {
  auto* box =
      new QDialogButtonBox(withCancel ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Ok, dialog);
  QPushButton* ok = box->button(QDialogButtonBox::Ok);
  ok->setText("OK");
  ok->setIcon(UiIcon("ok"));
  if (withCancel) box->button(QDialogButtonBox::Cancel)->setText("Отмена");
  QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return box;
}

CSetUpDlg::CSetUpDlg(const SettingsChoice& current, QWidget* parent)
    : QDialog(parent),
      m_autoSynthesis(new QCheckBox(kAutoSynthesisLabel, this)),
      m_libraryBlocks(new QCheckBox(kLibraryBlocksLabel, this)) {
  setWindowTitle(kSettingsCaption);
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
