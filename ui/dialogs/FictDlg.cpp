#include "ui/dialogs/FictDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DocumentHost.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/widgets/Language.h"
#include "ui/widgets/TextGridModel.h"

namespace lodex {

CFictDlg::CFictDlg(const CLogicalBlock& block, QWidget* parent)
    : QDialog(parent), m_model(block), m_grid(new CGridView(this)), m_inputs(new QListWidget(this)), m_ok(nullptr) {
  setWindowTitle(tr("Проверка наличия фиктивных входов"));
  setObjectName("FictDlg");
  SetHelpTopic(this, help::kFictitious);
  m_inputs->setObjectName("Inputs");
  m_grid->setToolTip(tr("Зависимость выхода блока от каждого входа"));
  m_inputs->setToolTip(tr("Фиктивные входы: выход от них не зависит; выбранный будет удалён"));

  const std::vector<FictGridRow> rows = m_model.GridRows();
  auto cell = [rows](int row, int column) {
    const FictGridRow& r = rows[static_cast<size_t>(row)];
    return QString::fromStdString(column == 0 ? r.label : r.value);
  };
  // Column 1 holds 1 where the output depends on the row's input, 0 where the input is fictitious.
  m_grid->setModel(
      new CTextGridModel(cell, static_cast<int>(rows.size()), 2, {tr("Вход"), tr("Выход зависит")}, {}, m_grid));
  m_grid->verticalHeader()->hide();
  m_grid->horizontalHeader()->setStretchLastSection(true);
  QHeaderView* header = m_grid->horizontalHeader();
  const int headerWidth = header->sectionSizeHint(0) + header->sectionSizeHint(1) + 2 * m_grid->frameWidth();
  m_grid->setMinimumSize(std::max(134, headerWidth), 250);

  // The marks follow the picks only: a click does not toggle them by itself.
  for (const std::string& text : m_model.InputItems()) {
    auto* item = new QListWidgetItem(QString::fromStdString(text), m_inputs);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
  }
  m_inputs->setMinimumSize(130, 250);
  m_inputs->installEventFilter(this);
  connect(m_inputs, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { OnPick(m_inputs->row(item)); });

  QDialogButtonBox* buttons = OkCancelButtons(this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  m_ok->setText(tr("Удалить"));
  m_ok->setEnabled(false);

  auto* top = new QHBoxLayout;
  top->addWidget(m_grid);
  top->addWidget(m_inputs);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(buttons);
}

bool CFictDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_inputs && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && m_inputs->currentRow() >= 0) {
    OnPick(m_inputs->currentRow());
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void CFictDlg::OnPick(int item) {
  const CFictDialogModel::PickResult result = m_model.Pick(item);
  for (int t = 0; t < m_inputs->count(); ++t)
    m_inputs->item(t)->setCheckState(t == result.checkedItem ? Qt::Checked : Qt::Unchecked);
  m_ok->setEnabled(m_model.OkEnabled());
  if (result.message) {
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, WordPhrases({*result.message}), QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText("OK");
    box.exec();
  }
}

}  // namespace lodex
