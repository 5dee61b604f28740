#include "ui/widgets/Icons.h"

// Q_INIT_RESOURCE names a function of the global namespace.
static void RegisterLodexResources() { Q_INIT_RESOURCE(lodex); }

namespace lodex {

void InitUiResources() {
  static const bool registered = (RegisterLodexResources(), true);
  (void)registered;
}

QIcon UiIcon(const char* name) {
  InitUiResources();
  return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

}  // namespace lodex
