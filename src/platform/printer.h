#pragma once
// The printer the report pages draw on: a current position, a font and a
// colour, texts, lines and pictures, in inches from the top-left corner of
// the printable area (scale mode 5), or in twips (scale mode 1, the
// starting mode). Two printers implement it: QtPrinter over QPainter on a
// QPrinter (a real printer or a PDF file) and RecordingPrinter for tests.
//
// One print command is one job: EndDoc ends the page drawn so far (the
// next drawing starts a new page) and EndJob, called once by the command
// after its last page, sends the job.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPicture>
#include <functional>
#include <string>
#include <string_view>

class QPainter;

namespace morvadel {

class Dialogs;

inline constexpr int kPortrait = 1;
inline constexpr int kLandscape = 2;
inline constexpr int kScaleTwips = 1;
inline constexpr int kScaleInches = 5;

class Printer {
 public:
  virtual ~Printer();

  // Applies from the page that starts next.
  void SetOrientation(int orientation);
  int Orientation() const { return orientation_; }
  void SetScaleMode(int mode);  // kScaleTwips or kScaleInches; others are ignored
  int ScaleMode() const { return scaleMode_; }

  // A line between two points, or with box the outline of the rectangle
  // with these corners, in the fore colour.
  void Line(double x1, double y1, double x2, double y2, bool box = false);

  void SetFontName(std::string name);
  const std::string& FontName() const { return fontName_; }
  void SetFontSize(double points);
  double FontSize() const { return fontSize_; }
  void SetFontBold(bool bold);
  bool FontBold() const { return fontBold_; }
  void SetForeColor(const QColor& color);
  const QColor& ForeColor() const { return foreColor_; }

  void SetCurrentX(double x) { currentX_ = x; }
  void SetCurrentY(double y) { currentY_ = y; }
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }

  // Writes one line of text with its top-left corner at the current
  // position; the position then moves to the start of the next line.
  void Print(std::string_view text);
  // Width of a text in the current font, in the current scale.
  double TextWidth(std::string_view text) const;
  // Width of the printable area, in the current scale.
  double ScaleWidth() const;
  // A picture with its top-left corner at (x, y), stretched to width and
  // height when both are positive, else at its own size (its pixels over
  // its resolution).
  void PaintPicture(const QImage& picture, double x, double y, double width = 0, double height = 0);
  // A recorded drawing (texts stay texts and lines lines, sharp at any
  // zoom) the same way: its bounding rectangle with its top-left corner at
  // (x, y), stretched to width and height when both are positive, else at
  // its own size (the rectangle over the drawing's resolution). What the
  // drawing does not paint leaves the page as it was.
  void PaintPicture(const QPicture& drawing, double x, double y, double width = 0, double height = 0);

  // Ends the page drawn since the last EndDoc; with nothing drawn since,
  // nothing happens.
  void EndDoc();
  // Ends the page, then the job. False when the job did not go out (or an
  // earlier step of it failed).
  virtual bool EndJob();
  // True once the printer failed; what was drawn may not have gone out.
  virtual bool Failed() const { return false; }
  // A print into a file that failed: the file (as the print dialog named
  // it) and the system's error number; empty when the job prints into no
  // file or the file is not what failed.
  struct FileFailure {
    std::string path;
    int err = 0;
  };
  virtual FileFailure FailedFile() const { return {}; }

  // The face that stands in for a font name (Arial, Courier New,
  // "Ms Sans Serif"), at the given size and weight.
  static QFont ResolveFont(const std::string& name, double points, bool bold);

 protected:
  Printer() = default;
  QFont CurrentFont() const { return ResolveFont(fontName_, fontSize_, fontBold_); }
  bool PagePending() const { return pagePending_; }

  // Drawing in inches; the base has converted the scale and marked the page.
  virtual void DrawText(double x, double y, std::string_view text) = 0;
  virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
  virtual void DrawBox(double x1, double y1, double x2, double y2) = 0;
  virtual void DrawPicture(const QImage& picture, double x, double y, double width, double height) = 0;
  virtual void DrawPicture(const QPicture& drawing, double x, double y, double width, double height) = 0;
  virtual double MeasureText(std::string_view text) const = 0;  // inches, current font
  virtual double LineHeight() const = 0;                        // inches, current font
  virtual double PrintableWidth() const = 0;                    // inches, for the orientation set
  virtual void EndPage() = 0;

 private:
  double ToInches(double v) const;
  // Where a picture of its own size `own` (inches) goes, in inches: at
  // (x, y), stretched to width and height when both are positive.
  QRectF PictureRect(QSizeF own, double x, double y, double width, double height) const;
  double FromInches(double v) const;
  void Drawing() { pagePending_ = true; }

  int orientation_ = kPortrait;
  int scaleMode_ = kScaleTwips;
  std::string fontName_ = "Arial";
  double fontSize_ = 10;
  bool fontBold_ = false;
  QColor foreColor_ = Qt::black;
  double currentX_ = 0, currentY_ = 0;
  bool pagePending_ = false;
};

// Centres a text across the printable width when align is 2 (the current
// position's x is set), then prints it.
void PrintCentered(Printer& printer, std::string_view text, int align);

// A number as the printer writes it among other items: a blank (or the
// minus sign) before it and a blank after it (" 1 ", "-3 ").
std::string PrinterNumber(long long value);

// The size of a picture in inches (its pixels over its resolution; 96 dots
// an inch where it names none).
QSizeF PictureInches(const QImage& picture);
// The same for a recorded drawing: its bounding rectangle over its
// resolution.
QSizeF PictureInches(const QPicture& drawing);
// A drawing recorded by `draw` in a rectangle of the given size with its
// top-left corner at (0, 0); draw's painter counts unitsPerInch to the inch.
QPicture RecordDrawing(QSizeF inches, double unitsPerInch, const std::function<void(QPainter&)>& draw);
// A recorded drawing as an image at dotsPerInch (its own size), on paper of
// the colour given (transparent: only what it paints).
QImage PictureImage(const QPicture& drawing, int dotsPerInch, const QColor& paper = Qt::white);

// One print command: asks for the printer once (nothing happens when the
// user cancels), lets `pages` print on it and ends the job after the last
// page. A printer that cannot start or fails is reported in the language
// (1 Croatian, 2 English); a file that could not be written, by its name
// and the reason. True when the pages went out.
bool RunPrintCommand(Dialogs& dialogs, int language, const std::function<void(Printer&)>& pages);

}  // namespace morvadel
