#include "ui/widgets/DialogButtons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "ui/widgets/Icons.h"

namespace lodex {

QDialogButtonBox* OkCancelButtons(QDialog* dialog, bool withCancel) {
  auto* box =
      new QDialogButtonBox(withCancel ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Ok, dialog);
  QPushButton* ok = box->button(QDialogButtonBox::Ok);
  ok->setText("OK");
  ok->setIcon(UiIcon("ok"));
  if (withCancel)
    box->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("lodex::OkCancelButtons", "Отмена"));
  QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return box;
}

}  // namespace lodex
