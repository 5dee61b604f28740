#include "ui/dialogs/WizPage2.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/Wizard.h"
#include "ui/dialogs/WizPage1.h"

namespace lodex {

CWizPage2::CWizPage2(const CWizPage1& page1, QWidget* parent)
    : QWizardPage(parent), m_page1(page1), m_text(new QPlainTextEdit(this)) {
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
  m_text->setPlainText(QString::fromStdString(page.text).remove('\r'));
  m_complete = page.finishEnabled;
  emit completeChanged();
}

}  // namespace lodex
