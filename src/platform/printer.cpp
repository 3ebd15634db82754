#include "platform/printer.h"

#include <sys/stat.h>

#include <QPainter>
#include <QString>
#include <algorithm>
#include <memory>

#include "model/file_io.h"
#include "platform/dialogs.h"

namespace morvadel {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kDefaultDpi = 96;

QString Lower(const std::string& s) { return QString::fromStdString(s).trimmed().toLower(); }

// The file and the reason, and whether a file of that name stands there
// still (the one that was there before, a failed job never replaces it).
std::string PrintFileMessage(const Printer::FileFailure& file, int language) {
  const bool hr = language == 1;
  const std::string reason = DescribeWriteReason(file.err, file.path, static_cast<int16_t>(language));
  struct stat st {};
  const bool existing = ::stat(file.path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  if (hr)
    return "Ispis nije uspio: datoteku " + file.path + " nije moguće zapisati (" + reason + "). " +
           (existing ? "Postojeća datoteka ostala je nepromijenjena." : "Ništa nije zapisano.");
  return "Printing failed: the file " + file.path + " could not be written (" + reason + "). " +
         (existing ? "The existing file was left as it was." : "Nothing was written.");
}

}  // namespace

Printer::~Printer() = default;

QFont Printer::ResolveFont(const std::string& name, double points, bool bold) {
  // The metric-compatible Liberation faces stand in for the fonts the
  // pages name, so widths measured here are those printed.
  const QString key = Lower(name);
  QFont font;
  if (key == "courier new" || key == "courier") {
    font.setFamily(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
  } else if (key == "arial" || key == "ms sans serif" || key.isEmpty()) {
    font.setFamily(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
  } else {
    font.setFamily(QString::fromStdString(name));
  }
  font.setPointSizeF(points > 0 ? points : 10);
  font.setBold(bold);
  font.setKerning(false);  // widths add up character by character, as the fixed columns expect
  return font;
}

void Printer::SetOrientation(int orientation) {
  if (orientation == kPortrait || orientation == kLandscape) orientation_ = orientation;
}

void Printer::SetScaleMode(int mode) {
  if (mode == kScaleTwips || mode == kScaleInches) scaleMode_ = mode;
}

double Printer::ToInches(double v) const { return scaleMode_ == kScaleInches ? v : v / kTwipsPerInch; }
double Printer::FromInches(double v) const { return scaleMode_ == kScaleInches ? v : v * kTwipsPerInch; }

void Printer::Line(double x1, double y1, double x2, double y2, bool box) {
  Drawing();
  if (box)
    DrawBox(ToInches(x1), ToInches(y1), ToInches(x2), ToInches(y2));
  else
    DrawLine(ToInches(x1), ToInches(y1), ToInches(x2), ToInches(y2));
  currentX_ = x2;
  currentY_ = y2;
}

void Printer::SetFontName(std::string name) { fontName_ = std::move(name); }
void Printer::SetFontSize(double points) {
  if (points > 0) fontSize_ = points;
}
void Printer::SetFontBold(bool bold) { fontBold_ = bold; }
void Printer::SetForeColor(const QColor& color) { foreColor_ = color; }

void Printer::Print(std::string_view text) {
  Drawing();
  DrawText(ToInches(currentX_), ToInches(currentY_), text);
  currentX_ = 0;
  currentY_ += FromInches(LineHeight());
}

double Printer::TextWidth(std::string_view text) const { return FromInches(MeasureText(text)); }

double Printer::ScaleWidth() const { return FromInches(PrintableWidth()); }

QRectF Printer::PictureRect(QSizeF own, double x, double y, double width, double height) const {
  const QSizeF size = width > 0 && height > 0 ? QSizeF(ToInches(width), ToInches(height)) : own;
  return QRectF(QPointF(ToInches(x), ToInches(y)), size);
}

void Printer::PaintPicture(const QImage& picture, double x, double y, double width, double height) {
  if (picture.isNull()) return;
  Drawing();
  const QRectF r = PictureRect(PictureInches(picture), x, y, width, height);
  DrawPicture(picture, r.x(), r.y(), r.width(), r.height());
}

void Printer::PaintPicture(const QPicture& drawing, double x, double y, double width, double height) {
  if (drawing.isNull() || drawing.boundingRect().isEmpty()) return;
  Drawing();
  const QRectF r = PictureRect(PictureInches(drawing), x, y, width, height);
  DrawPicture(drawing, r.x(), r.y(), r.width(), r.height());
}

void Printer::EndDoc() {
  if (!pagePending_) return;
  pagePending_ = false;
  EndPage();
}

bool Printer::EndJob() {
  EndDoc();
  return !Failed();
}

void PrintCentered(Printer& printer, std::string_view text, int align) {
  if (align == 2) printer.SetCurrentX((printer.ScaleWidth() - printer.TextWidth(text)) / 2);
  printer.Print(text);
}

std::string PrinterNumber(long long value) {
  const std::string digits = std::to_string(value);
  return value < 0 ? digits + " " : " " + digits + " ";
}

QSizeF PictureInches(const QImage& picture) {
  auto dpi = [](int dotsPerMeter) { return dotsPerMeter > 0 ? dotsPerMeter * 0.0254 : kDefaultDpi; };
  return QSizeF(picture.width() / dpi(picture.dotsPerMeterX()), picture.height() / dpi(picture.dotsPerMeterY()));
}

QSizeF PictureInches(const QPicture& drawing) {
  const QRect box = drawing.boundingRect();
  return QSizeF(box.width() / double(std::max(1, drawing.logicalDpiX())),
                box.height() / double(std::max(1, drawing.logicalDpiY())));
}

QPicture RecordDrawing(QSizeF inches, double unitsPerInch, const std::function<void(QPainter&)>& draw) {
  QPicture drawing;
  const double dpiX = drawing.logicalDpiX(), dpiY = drawing.logicalDpiY();
  QPainter painter(&drawing);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(dpiX / unitsPerInch, dpiY / unitsPerInch);
  draw(painter);
  painter.end();
  drawing.setBoundingRect(
      QRect(0, 0, std::max(1, qRound(inches.width() * dpiX)), std::max(1, qRound(inches.height() * dpiY))));
  return drawing;
}

QImage PictureImage(const QPicture& drawing, int dotsPerInch, const QColor& paper) {
  const int dpi = std::max(dotsPerInch, 1);
  const QSizeF inches = PictureInches(drawing);
  QImage image(std::max(1, qRound(inches.width() * dpi)), std::max(1, qRound(inches.height() * dpi)),
               QImage::Format_ARGB32_Premultiplied);
  const int dotsPerMeter = qRound(dpi / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(paper);
  if (drawing.isNull()) return image;
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // Played on a device, a drawing scales itself to the device's
  // resolution; its rectangle's corner goes to the image's.
  const QRect box = drawing.boundingRect();
  painter.drawPicture(QPointF(-box.left() * dpi / double(drawing.logicalDpiX()),
                              -box.top() * dpi / double(drawing.logicalDpiY())),
                      drawing);
  return image;
}

bool RunPrintCommand(Dialogs& dialogs, int language, const std::function<void(Printer&)>& pages) {
  const std::shared_ptr<Printer> printer = dialogs.ChoosePrinter();
  if (!printer) return false;  // cancelled: nothing printed, nothing changed
  if (!printer->Failed()) pages(*printer);
  const bool sent = printer->EndJob();
  if (sent && !printer->Failed()) return true;
  const Printer::FileFailure file = printer->FailedFile();
  if (file.err != 0) {
    dialogs.Message(PrintFileMessage(file, language), MsgIcon::Critical);
    return false;
  }
  dialogs.Message(language == 1 ? "Ispis nije uspio: pisač se nije mogao pokrenuti ili je javio grešku."
                                : "Printing failed: the printer could not start or reported an error.",
                  MsgIcon::Critical);
  return false;
}

}  // namespace morvadel
