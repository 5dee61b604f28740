// Why an operation was refused, worded for the user in the interface's
// language: every reason the core gives has its text here.
#pragma once

#include <QString>

#include "model/Status.h"

namespace lodex {

// A reason as a message box shows it: what happened and what the user can
// do, and the technical detail (field, offset, the system's text) for the
// box's details; `details` is empty when there is none.
struct ReasonWording {
  QString text;
  QString details;
};

ReasonWording WordReason(const Reason& reason);

// The untranslated text of a code (context "Reason"), %1.. for its
// arguments; never null.
const char* ReasonSourceText(ReasonCode code);

// A system error number (errno) in the interface's language.
QString SystemErrorText(int error);

}  // namespace lodex
