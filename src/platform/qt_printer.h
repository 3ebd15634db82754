#pragma once
// The printer over QPainter on a QPrinter: a real printer or a PDF file.
#include <QPainter>
#include <QPrinter>
#include <memory>
#include <string>

#include "model/atomic_file.h"
#include "platform/printer.h"

namespace morvadel {

class QtPrinter : public Printer {
 public:
  explicit QtPrinter(std::unique_ptr<QPrinter> printer);
  ~QtPrinter() override;  // a job never ended is aborted, and its file goes

  // Starts the job on landscape pages (every report page is landscape).
  // False, and Failed, when the printer or the file cannot be opened.
  // A PDF file is written beside its name and put in its place only when
  // the job went out whole, so a failed or aborted job leaves the file that
  // was there as it was and nothing of its own.
  bool Start();
  bool EndJob() override;
  bool Failed() const override { return failed_; }
  FileFailure FailedFile() const override { return fileFailure_; }
  QPrinter& device() { return *printer_; }

 protected:
  void DrawText(double x, double y, std::string_view text) override;
  void DrawLine(double x1, double y1, double x2, double y2) override;
  void DrawBox(double x1, double y1, double x2, double y2) override;
  void DrawPicture(const QImage& picture, double x, double y, double width, double height) override;
  void DrawPicture(const QPicture& drawing, double x, double y, double width, double height) override;
  double MeasureText(std::string_view text) const override;
  double LineHeight() const override;
  double PrintableWidth() const override;
  void EndPage() override;

 private:
  // Before drawing: starts the next page when the last one was ended.
  bool Ready();
  // Points the printer at a temporary file beside the PDF file it names;
  // false when that cannot be made.
  bool OpenPendingFile();
  // After the job: the file in its place, or the reason it is not.
  void CommitPendingFile();
  // Removes the temporary file and gives the printer back the name the
  // dialog gave; with err (an errno) the job failed on that file.
  void LeavePendingFile(int err);
  QPen LinePen() const;

  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  double dpi_ = 1200;
  bool started_ = false, ended_ = false, failed_ = false, newPageDue_ = false;
  std::unique_ptr<PendingFile> pending_;  // while a job prints into a file
  QString target_;                        // that file's name
  FileFailure fileFailure_;
};

}  // namespace morvadel
