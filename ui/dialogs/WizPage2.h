// Page 2 of the new-project wizard: the summary of page 1 in a fixed-pitch
// font with Finish, or the length message with Finish disabled.
#pragma once

#include <QWizardPage>

class QPlainTextEdit;

namespace lodex {

class CWizPage1;

class CWizPage2 : public QWizardPage {
  Q_OBJECT
 public:
  explicit CWizPage2(const CWizPage1& page1, QWidget* parent = nullptr);

  QString Text() const;

  void initializePage() override;
  bool isComplete() const override { return m_complete; }

 private:
  const CWizPage1& m_page1;
  QPlainTextEdit* m_text;
  bool m_complete = false;
};

}  // namespace lodex
