// The application: the names its settings are stored under, the interface
// language, the program icon, and the start-up of the main window.
#pragma once

#include <QApplication>
#include <QString>
#include <QStringList>
#include <memory>

namespace lodex {

class CMainFrame;

// The scheme named on the command line: the first argument after the
// program's name that is neither an option nor the value of --language;
// empty when there is none.
QString SchemeArgument(const QStringList& arguments);

class CLodexApp : public QApplication {
 public:
  // Settings live under "Lodex 2"; the interface speaks the language of
  // --language, else the one chosen in Настройки, else Russian.
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
  std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace lodex
