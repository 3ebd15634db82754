#pragma once
// The exports as the windows' export buttons run them: the spreadsheet
// workbook and the document of the run, the web-page save dialog, the
// messages, and the desktop programs that show the files.
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "output/docx_writer.h"
#include "output/export_files.h"
#include "output/export_table.h"
#include "output/spreadsheet_export.h"
#include "platform/app_context.h"

class QLabel;

namespace morvadel {

class Grid;

// The exports of the run: where their files go, how they are shown, and
// what the run has exported so far.
class ExportRun {
 public:
  // The desktop's programs and the user's documents folder.
  ExportRun();

  // The folder of "Export.xlsx" and "Export.docx"; empty: the user's
  // documents folder.
  std::string folder;
  // Opens a written file with the desktop's program for it; false when
  // none could be opened.
  std::function<bool(const std::string& path)> openFile;
  // Shows a written document in the landscape print preview.
  std::function<void(const DocDocument& doc, const std::string& path, int16_t language)> preview;

  std::string Folder() const;

  // The run's spreadsheet workbook: one sheet per export, the newest first.
  std::vector<SpreadsheetSheet> sheets;
  RunFile sheetFile{"Export", ".xlsx"};
  // The run's document: the latest new one, with the pages appended to it.
  DocDocument document;
  RunFile documentFile{"Export", ".docx"};
};

// The grid's texts in the export's size (GridRows x GridCols, never beyond
// the grid) with the window's title.
ExportTable TableFromGrid(const Grid& grid, const QString& title, const SharedState& s);

// The export buttons' commands. The spreadsheet and document exports write
// the run's files and show them; the web-page export asks for a file name.
// Every failure is reported in the run's language and changes no file.
void ExportGridToExcel(AppContext& ctx, const QLabel& titleLabel, const Grid& grid);
void ExportGridToHtml(AppContext& ctx, const QLabel& titleLabel, const Grid& grid);
// mode 1: a new document; mode 2: a page appended to the run's document
// (a new one on the run's first document export).
void ExportGridToWord(AppContext& ctx, const QLabel& titleLabel, const Grid& grid, int mode);

// The desktop's default program for a file, where there is one.
bool OpenWithDesktop(const std::string& path);

}  // namespace morvadel
