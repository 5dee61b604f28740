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
  QString text;
  if (page.problem) {
    text = WordPhrases({*page.problem});
  } else {
    // The name and the counts with their values aligned after the longest
    // label, then the sequence as built.
    QStringList lines;
    const QString labels[] = {tr("Имя проекта:"), tr("Число входов схемы:"), tr("Число выходов схемы:")};
    const QString values[] = {QString::fromStdString(m_page1.Name()), QString::number(m_page1.Inputs()),
                              QString::number(m_page1.Outputs())};
    qsizetype width = 0;
    for (const QString& label : labels) width = std::max(width, label.size());
    const QString indent(5, ' ');
    for (int i = 0; i < 3; ++i) lines << indent + labels[i].leftJustified(width + 2) + values[i];
    lines << indent + tr("Логическая последовательность:") + ' ' << QString::fromStdString(page.sequence);
    text = lines.join('\n');
  }
  text.remove('\r');
  m_text->setPlainText(text);
  m_complete = page.finishEnabled;
  emit completeChanged();
}

}  // namespace lodex
