#include "ui/window/Lodex.h"

#include <QSettings>

#include "ui/widgets/Icons.h"
#include "ui/widgets/Language.h"
#include "ui/window/MainFrm.h"

namespace lodex {

CLodexApp::CLodexApp(int& argc, char** argv) : QApplication(argc, argv) {
  setOrganizationName("Lodex");
  setApplicationName("Lodex 2");
  setApplicationVersion(LODEX_VERSION);
  InstallLanguage(ChooseLanguage(LanguageArgument(arguments()), QSettings()));
  setWindowIcon(UiIcon("lodex"));
}

CLodexApp::~CLodexApp() = default;

QString SchemeArgument(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--language"))
      ++i;
    else if (!arguments[i].startsWith('-'))
      return arguments[i];
  }
  return {};
}

void CLodexApp::InitInstance() {
  m_frame = std::make_unique<CMainFrame>();
  m_frame->ShowWithSavedPosition();
  if (const QString scheme = SchemeArgument(arguments()); !scheme.isEmpty()) m_frame->OpenFile(scheme);
}

}  // namespace lodex
