#include "ui/dialogs/ParallelDecDlg.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/DepTabDlg.h"
#include "ui/dialogs/ParallelPrewWnd.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/HelpDesk.h"

namespace lodex {
namespace {

QListWidget* CheckList(const std::vector<std::string>& items, QWidget* parent) {
  auto* list = new QListWidget(parent);
  for (const std::string& text : items) {
    auto* item = new QListWidgetItem(QString::fromStdString(text), list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  list->setMinimumSize(96, 200);
  list->setMaximumWidth(150);
  return list;
}

std::vector<bool> Checks(const QListWidget* list) {
  std::vector<bool> checks;
  for (int t = 0; t < list->count(); ++t) checks.push_back(list->item(t)->checkState() == Qt::Checked);
  return checks;
}

}  // namespace

CParallelDecDlg::CParallelDecDlg(const CLogicalBlock& block, QWidget* parent)
    : QDialog(parent),
      m_model(block),
      m_table(new CDepTabDlg),
      m_inputs(CheckList(m_model.InputItems(), this)),
      m_outputs(CheckList(m_model.OutputItems(), this)),
      m_preview(new CParallelPrewWnd(this)),
      m_ok(nullptr) {
  setWindowTitle(tr("Выделение параллельного блока"));
  setObjectName("ParallelDecDlg");
  SetHelpTopic(this, help::kParallel);
  m_inputs->setObjectName("Inputs");
  m_outputs->setObjectName("Outputs");
  m_inputs->setToolTip(tr("Входы, которые получит выделяемый блок"));
  m_outputs->setToolTip(tr("Выходы, которые перейдут в выделяемый блок"));
  m_preview->setToolTip(tr("Блоки, которые получатся при отмеченных входах и выходах"));
  // Blocks only the main window, so that the table beside it stays usable.
  setWindowModality(Qt::WindowModal);
  m_table->ShowTable(block);

  auto* group = new QGroupBox(tr("Выделение параллельного блока"), this);
  auto* lists = new QHBoxLayout;
  lists->addWidget(m_inputs);
  lists->addWidget(m_outputs);
  QDialogButtonBox* buttons = OkCancelButtons(this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  m_ok->setText(tr("Разложить"));
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addLayout(lists, 1);
  groupLayout->addWidget(buttons);

  auto* caption = new QLabel(tr("Предварительный просмотр"), this);
  caption->setAlignment(Qt::AlignHCenter);
  auto* previewColumn = new QVBoxLayout;
  previewColumn->addWidget(caption);
  previewColumn->addWidget(m_preview, 1);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(previewColumn, 1);
  resize(480, 380);

  for (QListWidget* list : {m_inputs, m_outputs})
    connect(list, &QListWidget::itemChanged, this, &CParallelDecDlg::OnCheckChange);
  OnCheckChange();
}

CParallelDecDlg::~CParallelDecDlg() { CloseTable(); }

CDepTabDlg* CParallelDecDlg::Table() const { return m_table.data(); }

void CParallelDecDlg::OnCheckChange() {
  m_model.SetChecks(Checks(m_inputs), Checks(m_outputs));
  m_ok->setEnabled(m_model.OkEnabled());
  m_preview->SetPictures(m_model.Pictures());
}

void CParallelDecDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_table == nullptr || m_table->isVisible()) return;
  m_table->move(frameGeometry().topRight() + QPoint(8, 0));
  m_table->show();
}

void CParallelDecDlg::done(int result) {
  if (result == QDialog::Accepted) OnCheckChange();  // the masks of the marks as they stand
  CloseTable();
  QDialog::done(result);
}

void CParallelDecDlg::CloseTable() { delete m_table.data(); }

}  // namespace lodex
