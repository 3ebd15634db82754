#pragma once
// The printer over QPainter on a QPrinter: a real printer or a PDF file.
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "platform/printer.h"

namespace morvadel {

class QtPrinter : public Printer {
 public:
  explicit QtPrinter(std::unique_ptr<QPrinter> printer);
  ~QtPrinter() override;  // a job never ended is aborted

  // Starts the job on landscape pages (every report page is landscape).
  // False, and Failed, when the printer or the file cannot be opened.
  bool Start();
  bool EndJob() override;
  bool Failed() const override { return failed_; }
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
  QPen LinePen() const;

  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  double dpi_ = 1200;
  bool started_ = false, ended_ = false, failed_ = false, newPageDue_ = false;
};

}  // namespace morvadel
