#include "ui/dialogs/WizSheet.h"

#include "ui/dialogs/WizPage1.h"
#include "ui/dialogs/WizPage2.h"
#include "ui/widgets/HelpDesk.h"

namespace lodex {

CWizSheet::CWizSheet(CDocumentHost& host, QWidget* parent)
    : QWizard(parent), m_page1(new CWizPage1(host, this)), m_page2(new CWizPage2(*m_page1, this)) {
  setWindowTitle(tr("Создание проекта"));
  // F1 anywhere in the wizard, its buttons too, opens the current page's section.
  SetHelpTopic(this, help::kWizard);
  connect(this, &QWizard::currentIdChanged, this, [this] { SetHelpTopic(this, HelpTopicOf(currentPage())); });
  setWizardStyle(QWizard::ClassicStyle);
  setOption(QWizard::NoBackButtonOnStartPage, false);
  setButtonText(QWizard::BackButton, tr("< &Назад"));
  setButtonText(QWizard::NextButton, tr("&Далее >"));
  setButtonText(QWizard::FinishButton, tr("&Готово"));
  setButtonText(QWizard::CancelButton, tr("&Отмена"));
  addPage(m_page1);
  addPage(m_page2);
  resize(620, 440);
}

WizardResult CWizSheet::Result() const {
  return {m_page1->Name(), m_page1->Inputs(), m_page1->Outputs(), m_page1->Sequence()};
}

}  // namespace lodex
