// The new-project wizard: page 1 collects the project, page 2 checks it;
// Finish hands the project to the document.
#pragma once

#include <QWizard>

#include "app/DocumentHost.h"

namespace lodex {

class CWizPage1;
class CWizPage2;

class CWizSheet : public QWizard {
  Q_OBJECT
 public:
  explicit CWizSheet(CDocumentHost& host, QWidget* parent = nullptr);

  CWizPage1* Page1() const { return m_page1; }
  CWizPage2* Page2() const { return m_page2; }
  // Page 1's values, as Finish takes them.
  WizardResult Result() const;

 private:
  CWizPage1* m_page1;
  CWizPage2* m_page2;
};

}  // namespace lodex
