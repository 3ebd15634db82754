#include "platform/workbook_save.h"

#include "model/workbook_file.h"

namespace morvadel {

bool SaveWorkbookAs(SharedState& s, Dialogs& dialogs) {
  // A name typed without an extension is a workbook: without ".eka" the
  // program's own Open dialog would not show it.
  const std::string suffix = DefaultSuffix(kWorkbookFilter);
  const std::string path =
      WithDefaultSuffix(dialogs.SaveFileWithExtension(kWorkbookFilter, SaveDialogStart(s.FileName), "", suffix), suffix);
  if (path.empty()) return false;
  const std::string previous = s.FileName;
  s.FileName = path;
  const FileError e = SaveDataFile(s);
  if (!e.ok()) {
    s.FileName = previous;
    dialogs.Message(DescribeFileError(e, path, s.Language), MsgIcon::Critical);
    return false;
  }
  s.FileBacked = true;
  return true;
}

bool SaveWorkbook(SharedState& s, Dialogs& dialogs) {
  if (s.FileName.empty() || !s.FileBacked) return SaveWorkbookAs(s, dialogs);
  const FileError e = SaveDataFile(s);
  if (!e.ok()) dialogs.Message(DescribeFileError(e, s.FileName, s.Language), MsgIcon::Critical);
  return e.ok();
}

}  // namespace morvadel
