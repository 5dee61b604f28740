// The open-file dialog of the library: one declaration, two forms chosen at
// build time (TARROW_DIALOG): the desktop's own dialog, or Qt's QFileDialog.
#pragma once

#include <string>

namespace tarrow {

// The schematic the user chose, or the empty text on Cancel or when no
// dialog can be shown.
std::string AskSchematicFile();

}  // namespace tarrow
