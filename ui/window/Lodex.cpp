#include "ui/window/Lodex.h"

#include <QLibraryInfo>

#include "ui/widgets/Icons.h"
#include "ui/window/MainFrm.h"

namespace lodex {

CLodexApp::CLodexApp(int& argc, char** argv) : QApplication(argc, argv) {
  setOrganizationName("Lodex");
  setApplicationName("Lodex 2");
  setApplicationVersion(LODEX_VERSION);
  if (m_qtTranslator.load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installTranslator(&m_qtTranslator);
  setWindowIcon(UiIcon("lodex"));
}

CLodexApp::~CLodexApp() = default;

void CLodexApp::InitInstance() {
  m_frame = std::make_unique<CMainFrame>();
  m_frame->ShowWithSavedPosition();
  // The first argument that is not an option names a scheme to open.
  const QStringList args = arguments();
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (args[i].startsWith('-')) continue;
    m_frame->OpenFile(args[i]);
    break;
  }
}

}  // namespace lodex
