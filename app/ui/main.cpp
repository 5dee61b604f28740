// lodex: the desktop program.
#include "app/ui/Lodex.h"

int main(int argc, char** argv) {
  lodex::CLodexApp app(argc, argv);
  app.InitInstance();
  return app.exec();
}
