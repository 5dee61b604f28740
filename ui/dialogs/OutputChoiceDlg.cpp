#include "ui/dialogs/OutputChoiceDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "model/PrintableText.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/HelpDesk.h"

namespace lodex {

COutputChoiceDlg::COutputChoiceDlg(const std::vector<SchematicOutput>& outputs, QWidget* parent)
    : QDialog(parent), m_outputs(outputs), m_list(new QListWidget(this)), m_note(new QLabel(this)) {
  setWindowTitle(tr("Выходы схемы"));
  SetHelpTopic(this, help::kSchematicOutputs);
  m_list->setObjectName("Outputs");
  m_list->setToolTip(tr("Отмеченные выходы станут выходами проекта, а входы, от которых они зависят, - его входами"));
  for (const SchematicOutput& o : outputs) {
    auto* item = new QListWidgetItem(
        tr("%1 — входов: %2").arg(QString::fromStdString(PrintableText(o.name))).arg(o.inputs), m_list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
  m_note->setObjectName("Note");
  m_note->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("&Выходы, из которых строится проект:"), this));
  layout->addWidget(m_list);
  layout->addWidget(m_note);
  layout->addWidget(OkCancelButtons(this));
  qobject_cast<QLabel*>(layout->itemAt(0)->widget())->setBuddy(m_list);
}

std::vector<std::string> COutputChoiceDlg::Chosen() const {
  std::vector<std::string> chosen;
  for (int i = 0; i < m_list->count(); ++i)
    if (m_list->item(i)->checkState() == Qt::Checked) chosen.push_back(m_outputs[static_cast<size_t>(i)].name);
  return chosen;
}

bool COutputChoiceDlg::AllChosen() const { return Chosen().size() == m_outputs.size(); }

void COutputChoiceDlg::accept() {
  if (Chosen().empty()) {
    m_note->setText(tr("Отметьте хотя бы один выход"));
    return;
  }
  QDialog::accept();
}

}  // namespace lodex
