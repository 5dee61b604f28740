#include "ui/dialogs/EditLPDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "app/DocumentHost.h"
#include "app/Wizard.h"
#include "model/LogicSequence.h"
#include "model/PrintableText.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/SequenceEdit.h"
#include "ui/window/ReasonText.h"

namespace lodex {

CEditLPDlg::CEditLPDlg(int inputs, int outputs, const std::string& previous, CMessageSink& sink, QWidget* parent)
    : QDialog(parent), m_sink(sink), m_wordDigits(WordDigitsFor(outputs)), m_outputs(outputs), m_inputs(inputs) {
  Build(SequenceLengthMatches(inputs, outputs, previous) ? previous : std::string());
}

CEditLPDlg::CEditLPDlg(const SchematicSequence& imported, CMessageSink& sink, QWidget* parent)
    : QDialog(parent),
      m_sink(sink),
      m_wordDigits(WordDigitsFor(imported.outputs)),
      m_outputs(imported.outputs),
      m_inputs(imported.inputs),
      m_fromSchematic(1) {
  // The library gives whole words, so its text fills the field digit by
  // digit (also for words of several digits).
  Build(imported.lp);
  if (!imported.inputNames.empty()) {
    QStringList names;
    for (const std::string& name : imported.inputNames) names << QString::fromStdString(PrintableText(name));
    m_inputsUsed->setText(tr("Входы проекта (вход 0 первым): %1").arg(names.join(", ")));
    m_inputsUsed->show();
  }
  if (imported.lp.empty()) {
    m_missing->setWordWrap(true);
    m_missing->setText(RefusalText(imported));
  }
}

QString CEditLPDlg::RefusalText(const SchematicSequence& imported) {
  // The library's English line stands in for a reason it gives no code for.
  const QString refused = tr("Схема не дала логической последовательности:\n%1");
  if (imported.refusalReason) return refused.arg(WordReason(*imported.refusalReason).text);
  if (!imported.refusal.empty()) return refused.arg(QString::fromStdString(PrintableText(imported.refusal)));
  return tr("Схема не дала логической последовательности; причина записана в generating.log");
}

void CEditLPDlg::Build(const std::string& digits) {
  setWindowTitle(tr("Ввод логической последовательности"));
  SetHelpTopic(this, help::kSequenceEntry);
  setSizeGripEnabled(true);
  m_edit = new CSequenceEdit(this);
  m_edit->setObjectName("SequenceEdit");
  m_edit->setToolTip(tr("Цифры 0-9 и A-F, * - неопределённое слово; Ctrl+V вставляет последовательность"));
  const SequenceEntry entry = BuildSequenceEntry(m_inputs, m_wordDigits, nullptr, m_outputs);
  m_edit->SetLayout(entry.mask, entry.initialText, m_wordDigits);
  m_edit->SetDigitChars(entry.digitChars);
  if (!digits.empty()) m_edit->Fill(digits);
  m_edit->setMinimumHeight(entry.editHeight);

  m_missing = new QLabel(this);
  m_missing->setObjectName("MissingWords");
  m_inputsUsed = new QLabel(this);
  m_inputsUsed->setObjectName("InputsUsed");
  m_inputsUsed->setWordWrap(true);
  m_inputsUsed->hide();
  connect(m_edit, &CSequenceEdit::Changed, this, &CEditLPDlg::ShowMissing);
  ShowMissing();

  // OK near a quarter and "Отмена" near three quarters of the width.
  auto* ok = new QPushButton(UiIcon("ok"), "OK", this);
  auto* cancel = new QPushButton(tr("Отмена"), this);
  ok->setDefault(true);
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addStretch(2);
  buttons->addWidget(cancel);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_edit, 1);
  layout->addWidget(m_inputsUsed);
  layout->addWidget(m_missing);
  layout->addLayout(buttons);
  m_edit->setFocus();
}

void CEditLPDlg::ShowMissing() {
  const int missing = m_edit->MissingWords();
  m_missing->setText(
      missing == 0 ? tr("Все слова введены")
                   : tr("Не введено слов: %1 из %2").arg(missing).arg(m_edit->Positions() / std::max(m_wordDigits, 1)));
}

void CEditLPDlg::accept() {
  if (const int missing = m_edit->MissingWords(); missing > 0) {
    m_sink.Show(Message{tr("Последовательность введена не полностью: не хватает слов - %1.").arg(missing).toStdString(),
                        kAppTitle, MessageButtons::Ok, MessageIcon::Warning});
    return;
  }
  m_lp = SequenceEntryResult(m_edit->Text());
  QDialog::accept();
}

}  // namespace lodex
