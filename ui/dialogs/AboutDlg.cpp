#include "ui/dialogs/AboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/widgets/Icons.h"

namespace lodex {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("О программе"));
  SetHelpTopic(this, help::kAbout);
  auto* picture = new QLabel(this);
  picture->setPixmap(UiIcon("lodex").pixmap(64, 64));
  picture->setAlignment(Qt::AlignTop);

  auto* name = new QLabel("Lodex v. 2.2", this);
  QFont bold = name->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  name->setFont(bold);

  auto* text = new QVBoxLayout;
  text->addWidget(name);
  text->addWidget(new QLabel(tr("Авторы: коллектив разработчиков Lodex"), this));
  text->addWidget(new QLabel("Copyright © 2006", this));
  text->addWidget(new QLabel(tr("Лаборатория логического синтеза"), this));
  text->addStretch();

  auto* top = new QHBoxLayout;
  top->addWidget(picture);
  top->addSpacing(12);
  top->addLayout(text, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(OkCancelButtons(this, false));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace lodex
