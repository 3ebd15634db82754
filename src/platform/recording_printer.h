#pragma once
// A printer that keeps what is printed instead of printing it: every text
// with its position, font, size, weight and colour, every line and every
// picture with its rectangle, each on its page. Texts are measured as the
// real printer measures them (the same faces, at print resolution).
#include <QColor>
#include <QSize>
#include <string>
#include <vector>

#include "platform/printer.h"

namespace morvadel {

class RecordingPrinter : public Printer {
 public:
  // printableWidth: inches of the landscape printable area (portrait gets
  // printableHeight).
  explicit RecordingPrinter(double printableWidth = 10.5, double printableHeight = 8.0);

  struct TextItem {
    int page;  // 0-based
    double x, y;  // inches
    std::string text;
    std::string font;
    double size;
    bool bold;
    QColor color;
  };
  struct LineItem {
    int page;
    double x1, y1, x2, y2;
    bool box;
    QColor color;
  };
  struct PictureItem {
    int page;
    double x, y, width, height;  // inches
    QImage image;      // a picture of pixels, or
    QPicture drawing;  // a recorded drawing
    bool IsDrawing() const { return !drawing.isNull(); }
    // What the item shows, as pixels: the image, or the drawing drawn at
    // dotsPerInch on paper of the colour given.
    QImage Rendered(int dotsPerInch = 300, const QColor& paper = Qt::white) const;
  };

  std::vector<TextItem> texts;
  std::vector<LineItem> lines;
  std::vector<PictureItem> pictures;
  int pagesEnded = 0;  // EndDoc with something on the page
  int jobsEnded = 0;

  // Pages with something on them, the one still open included.
  int PageCount() const;
  std::vector<TextItem> TextsOnPage(int page) const;
  // The text printed on a page with its top-left corner at (x, y);
  // nullptr when none.
  const TextItem* At(int page, double x, double y) const;
  // Its text, or "<nothing>".
  std::string TextAt(int page, double x, double y) const;
  // Makes the job fail when it is ended, as a printer that stops would.
  void FailOnEnd() { failOnEnd_ = true; }

  bool EndJob() override;
  bool Failed() const override { return failed_; }

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
  double printableWidth_, printableHeight_;
  int page_ = 0;
  bool failOnEnd_ = false, failed_ = false;
};

}  // namespace morvadel
