#include "output/export_run.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QLabel>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <utility>

#include "output/document_preview.h"
#include "output/html_export.h"
#include "output/word_export.h"
#include "platform/dialogs.h"
#include "platform/grid.h"

namespace morvadel {

namespace {

// The wait cursor while a file is written.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

std::string Failure(bool document, const ExportError& e, int16_t language) {
  const bool hr = language == kCroatian;
  const std::string what = document ? (hr ? "Izvoz u dokument nije uspio." : "The document export failed.")
                                    : (hr ? "Izvoz u tablicu nije uspio." : "The spreadsheet export failed.");
  return what + "\n\n" + DescribeWriteError(e, language);
}

std::string NotOpened(const std::string& path, int16_t language) {
  return language == kCroatian
             ? "Tablica je izvezena u datoteku " + path +
                   ".\n\nNijedan program za tablice nije je mogao otvoriti; otvorite je sami."
             : "The table was exported to the file " + path +
                   ".\n\nNo spreadsheet program could open it; please open it yourself.";
}

}  // namespace

ExportRun::ExportRun() : openFile(&OpenWithDesktop), preview(&ShowDocumentPreview) {}

std::string ExportRun::Folder() const {
  if (!folder.empty()) return folder;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

ExportTable TableFromGrid(const Grid& grid, const QString& title, const SharedState& s) {
  const int rows = std::clamp<int>(s.GridRows, 0, grid.Rows());
  const int cols = std::clamp<int>(s.GridCols, 0, grid.Cols());
  ExportTable table(title.toStdString(), rows, cols);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) table.Text(r, c) = grid.TextMatrix(r, c).toStdString();
  return table;
}

bool OpenWithDesktop(const std::string& path) {
  const QString file = QString::fromStdString(path);
  // Where the desktop keeps a program for each kind of file, a kind without
  // one would fail unseen after the opener has started.
  const QString query = QStandardPaths::findExecutable("xdg-mime");
  if (!query.isEmpty()) {
    QProcess process;
    process.start(query, {"query", "default", QMimeDatabase().mimeTypeForFile(file).name()});
    if (process.waitForFinished(3000) && process.exitStatus() == QProcess::NormalExit &&
        process.readAllStandardOutput().trimmed().isEmpty())
      return false;
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void ExportGridToExcel(AppContext& ctx, const QLabel& titleLabel, const Grid& grid) {
  if (!ctx.exports) return;
  SharedState& s = ctx.s;
  ExportRun& run = *ctx.exports;
  const int16_t before = s.ExcelExportCount;
  s.ExcelExportCount = static_cast<int16_t>(std::min<int>(before + 1, INT16_MAX));
  run.sheets.insert(run.sheets.begin(),
                    SpreadsheetSheet{s.ExcelExportCount, TableFromGrid(grid, titleLabel.text(), s), CompanyToExport(s)});
  ExportError e;
  {
    WaitCursor wait;
    e = run.sheetFile.Write(run.Folder(), [&](const std::string& path) {
      return WriteSpreadsheet(path, run.sheets, s.Language, s.DecimalMark);
    });
  }
  if (!e.ok()) {
    // The run's workbook stays as it was on disk.
    run.sheets.erase(run.sheets.begin());
    s.ExcelExportCount = before;
    ctx.dialogs.Message(Failure(false, e, s.Language), MsgIcon::Critical);
    return;
  }
  if (!run.openFile || !run.openFile(run.sheetFile.path()))
    ctx.dialogs.Message(NotOpened(run.sheetFile.path(), s.Language), MsgIcon::Information);
}

void ExportGridToHtml(AppContext& ctx, const QLabel& titleLabel, const Grid& grid) {
  SharedState& s = ctx.s;
  const std::string date = QDate::currentDate().toString("dd-MM-yy").toStdString();
  std::string suggested = kHtmlDefaultName;
  if (ctx.exports) suggested = ctx.exports->Folder() + "/" + suggested;
  const std::string path = ctx.dialogs.SaveFileWithExtension(kHtmlFilter, suggested, kHtmlDialogTitle, kHtmlDefaultExtension);
  if (path.empty()) return;  // cancelled
  int err;
  {
    WaitCursor wait;
    err = WriteHtmlPage(path, HtmlPageLines(TableFromGrid(grid, titleLabel.text(), s), CompanyToExport(s),
                                            s.Language, date));
  }
  if (err) {
    ctx.dialogs.Message(std::string(kHtmlErrorMessage) + "\n\n" + DescribeWriteError(WriteFailure(err, path), s.Language),
                        MsgIcon::Critical, kHtmlErrorTitle);
    return;
  }
  ctx.dialogs.Message(kHtmlDoneMessage, MsgIcon::Information, kHtmlDoneTitle);
}

void ExportGridToWord(AppContext& ctx, const QLabel& titleLabel, const Grid& grid, int mode) {
  if (!ctx.exports) return;
  SharedState& s = ctx.s;
  ExportRun& run = *ctx.exports;
  s.WordOrientation = 2;
  const int16_t before = s.WordExportCount;
  s.WordExportCount = static_cast<int16_t>(std::min<int>(before + 1, INT16_MAX));
  // Mode 2 appends to the run's document once there is one.
  const bool fresh = s.WordExportCount == 1 || mode != 2;
  DocDocument doc = fresh ? DocDocument() : run.document;
  TypeWordExport(doc, TableFromGrid(grid, titleLabel.text(), s), CompanyToExport(s), s.ReportCode, !fresh,
                 s.DecimalMark);
  ExportError e;
  {
    WaitCursor wait;
    e = run.documentFile.Write(run.Folder(), [&doc](const std::string& path) { return WriteDocx(path, doc); },
                               fresh);
  }
  if (!e.ok()) {
    s.WordExportCount = before;
    ctx.dialogs.Message(Failure(true, e, s.Language), MsgIcon::Critical);
    return;
  }
  run.document = std::move(doc);
  if (run.preview) run.preview(run.document, run.documentFile.path(), s.Language);
}

}  // namespace morvadel
