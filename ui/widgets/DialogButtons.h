// The OK and Cancel buttons that every dialog of the program shows.
#pragma once

class QDialog;
class QDialogButtonBox;

namespace lodex {

// The OK and Cancel buttons of the program's dialogs, with Russian texts and
// the OK image; accepted and rejected go to `dialog`.
QDialogButtonBox* OkCancelButtons(QDialog* dialog, bool withCancel = true);

}  // namespace lodex
