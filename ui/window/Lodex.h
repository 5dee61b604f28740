// The application: the names its settings are stored under, Qt's own
// Russian texts, the program icon, and the start-up of the main window.
#pragma once

#include <QApplication>
#include <QTranslator>
#include <memory>

namespace lodex {

class CMainFrame;

class CLodexApp : public QApplication {
 public:
  // Settings live under "Lodex 2"; the buttons and file dialogs of Qt speak
  // Russian when Qt's translation is installed.
  CLodexApp(int& argc, char** argv);
  ~CLodexApp() override;
  CLodexApp(const CLodexApp&) = delete;
  CLodexApp& operator=(const CLodexApp&) = delete;

  // Shows the main window with an empty document where it was last closed,
  // then opens the scheme named on the command line, if any. A scheme that
  // cannot be opened is reported and the document stays empty.
  void InitInstance();
  CMainFrame* MainFrame() const { return m_frame.get(); }

 private:
  QTranslator m_qtTranslator;
  std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace lodex
