#include "ui/dialogs/ThreeInDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

#include "ui/dialogs/ParallelPrewWnd.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/widgets/Language.h"

namespace lodex {

CThreeInDlg::CThreeInDlg(const CLogicalBlock& block, std::vector<int32_t> types, QWidget* parent)
    : QDialog(parent),
      m_model(std::move(types)),
      m_preview(new CParallelPrewWnd(this)),
      m_lines(new QListWidget(this)),
      m_ok(nullptr) {
  setWindowTitle(tr("Выделение трехвходового блока"));
  setObjectName("ThreeInDlg");
  SetHelpTopic(this, help::kThreeInput);
  m_lines->setObjectName("Lines");
  m_lines->setToolTip(tr("Вход, по которому выделяется блок, и тип выделяемого блока"));
  m_preview->setToolTip(tr("Выделяемый блок"));
  // The block with all its inputs and its one output.
  m_preview->SetPictures({MakeBlockPicture(AllPinsMask(block.m_inputCount), 1)});
  for (const std::string& line : m_model.Lines())
    m_lines->addItem(QString::fromStdString(line).replace(kExtractedBlockType, AppText(kExtractedBlockType)));
  m_lines->setSelectionMode(QAbstractItemView::SingleSelection);
  m_lines->setMinimumWidth(m_lines->sizeHintForColumn(0) + 2 * m_lines->frameWidth() + 24);

  QDialogButtonBox* buttons = OkCancelButtons(this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  m_ok->setText(tr("Выделить"));
  m_ok->setEnabled(false);

  connect(m_lines, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> selected = m_lines->selectedItems();
    m_model.Select(selected.isEmpty() ? -1 : m_lines->row(selected.front()));
    m_ok->setEnabled(m_model.OkEnabled());
  });
  connect(m_lines, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    m_model.Select(m_lines->row(item));
    accept();
  });

  auto* layout = new QGridLayout(this);
  layout->addWidget(m_preview, 0, 0, 2, 1);
  layout->addWidget(m_lines, 0, 1);
  layout->addWidget(buttons, 1, 1, Qt::AlignBottom);
  layout->setColumnStretch(1, 1);
  resize(400, 290);
}

}  // namespace lodex
