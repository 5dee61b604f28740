#include "ui/dialogs/WizPage2.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Wizard.h"
#include "ui/dialogs/WizPage1.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/widgets/Language.h"

namespace lodex {

CWizPage2::CWizPage2(const CWizPage1& page1, QWidget* parent)
    : QWizardPage(parent), m_page1(page1), m_text(new QPlainTextEdit(this)) {
  SetHelpTopic(this, help::kWizardCheck);
  m_text->setObjectName("Summary");
  m_text->setReadOnly(true);
  m_text->setToolTip(tr("Свойства создаваемого проекта"));
  m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font("Courier");
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(16);
  m_text->setFont(font);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_text);
}

QString CWizPage2::Text() const { return m_text->toPlainText(); }

void CWizPage2::initializePage() {
  const WizardPage2 page = BuildWizardPage2(m_page1.Name(), m_page1.Inputs(), m_page1.Outputs(), m_page1.Sequence());
  QString text = page.text == kSequenceLengthText ? AppText(kSequenceLengthText) : QString::fromStdString(page.text);
  text.remove('\r');
  if (page.finishEnabled) {
    // The summary's first four lines in the interface language, the values
    // aligned after the longest label; the sequence below stays as built.
    QStringList lines = text.split('\n');
    const QString labels[] = {tr("Имя проекта:"), tr("Число входов схемы:"), tr("Число выходов схемы:")};
    const QString values[] = {QString::fromStdString(m_page1.Name()), QString::number(m_page1.Inputs()),
                              QString::number(m_page1.Outputs())};
    qsizetype width = 0;
    for (const QString& label : labels) width = std::max(width, label.size());
    const QString indent(5, ' ');
    for (int i = 0; i < 3 && i < lines.size(); ++i) lines[i] = indent + labels[i].leftJustified(width + 2) + values[i];
    if (lines.size() > 3) lines[3] = indent + tr("Логическая последовательность:") + ' ';
    text = lines.join('\n');
  }
  m_text->setPlainText(text);
  m_complete = page.finishEnabled;
  emit completeChanged();
}

}  // namespace lodex
