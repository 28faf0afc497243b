#pragma once

#include "platform/Shell.h"
#include "platform/Ui.h"

#include <string>

namespace kagiroi {

// Opens a document with the system's program. Where none opens it (no PDF viewer, say), beeps
// and tells which document and where it lies, so the user can open it another way. `what`
// names the document in the message.
bool OpenOrTellWhere(Shell& shell, Ui& ui, const std::string& path, const std::string& what);

}  // namespace kagiroi
