#pragma once
// Saving the workbook from a window: the Save As dialog and the reports of
// a failed write, shared by the main window and the general-data window.
#include "model/shared_state.h"
#include "platform/dialogs.h"

namespace morvadel {

inline constexpr const char* kWorkbookFilter = "Datoteke (*.eka) |*.eka";

// Asks for a file name (the dialog starts at the workbook's file, or in the
// documents folder; a name without an extension gets ".eka") and writes
// the workbook there. A cancelled dialog
// gives false with nothing changed; a failed write is reported and leaves
// FileName as it was. On success FileName names the new file, which now
// backs the workbook.
bool SaveWorkbookAs(SharedState& s, Dialogs& dialogs);

// Writes to FileName when the workbook is backed by that file; otherwise
// (no file named, or just after New) asks for a name first, so a new
// workbook never replaces the previous workbook's file unasked.
bool SaveWorkbook(SharedState& s, Dialogs& dialogs);

}  // namespace morvadel
