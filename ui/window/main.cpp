// lodex: the desktop program.
#include "ui/window/Lodex.h"

int main(int argc, char** argv) {
  lodex::CLodexApp app(argc, argv);
  app.InitInstance();
  return app.exec();
}
