// Icon loading: the program's images compiled into its resources.
#pragma once

#include <QIcon>

namespace lodex {

// Registers the compiled-in icons. The Qt code is a static library, so
// nothing registers them by itself; repeated calls do nothing.
void InitUiResources();

// An icon of resources/icons by its file name without extension ("save").
QIcon UiIcon(const char* name);

}  // namespace lodex
