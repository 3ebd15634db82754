#include "platform/recording_printer.h"

#include <QFontMetricsF>
#include <QString>
#include <cmath>

namespace morvadel {

namespace {

// A device of print resolution to measure on, without a printer.
const QImage& MeasuringDevice() {
  static const QImage device = [] {
    QImage image(1, 1, QImage::Format_ARGB32);
    const int dotsPerMeter = qRound(1200 / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
  }();
  return device;
}

}  // namespace

RecordingPrinter::RecordingPrinter(double printableWidth, double printableHeight)
    : printableWidth_(printableWidth), printableHeight_(printableHeight) {}

int RecordingPrinter::PageCount() const { return pagesEnded + (PagePending() ? 1 : 0); }

std::vector<RecordingPrinter::TextItem> RecordingPrinter::TextsOnPage(int page) const {
  std::vector<TextItem> out;
  for (const TextItem& t : texts)
    if (t.page == page) out.push_back(t);
  return out;
}

const RecordingPrinter::TextItem* RecordingPrinter::At(int page, double x, double y) const {
  for (const TextItem& t : texts)
    if (t.page == page && std::abs(t.x - x) < 1e-6 && std::abs(t.y - y) < 1e-6) return &t;
  return nullptr;
}

std::string RecordingPrinter::TextAt(int page, double x, double y) const {
  const TextItem* t = At(page, x, y);
  return t ? t->text : "<nothing>";
}

bool RecordingPrinter::EndJob() {
  EndDoc();
  ++jobsEnded;
  if (failOnEnd_) failed_ = true;
  return !failed_;
}

void RecordingPrinter::DrawText(double x, double y, std::string_view text) {
  texts.push_back({page_, x, y, std::string(text), FontName(), FontSize(), FontBold(), ForeColor()});
}

void RecordingPrinter::DrawLine(double x1, double y1, double x2, double y2) {
  lines.push_back({page_, x1, y1, x2, y2, false, ForeColor()});
}

void RecordingPrinter::DrawBox(double x1, double y1, double x2, double y2) {
  lines.push_back({page_, x1, y1, x2, y2, true, ForeColor()});
}

void RecordingPrinter::DrawPicture(const QImage& picture, double x, double y, double width, double height) {
  pictures.push_back({page_, x, y, width, height, picture, QPicture()});
}

void RecordingPrinter::DrawPicture(const QPicture& drawing, double x, double y, double width, double height) {
  pictures.push_back({page_, x, y, width, height, QImage(), drawing});
}

QImage RecordingPrinter::PictureItem::Rendered(int dotsPerInch, const QColor& paper) const {
  return IsDrawing() ? PictureImage(drawing, dotsPerInch, paper) : image;
}

double RecordingPrinter::MeasureText(std::string_view text) const {
  const QFontMetricsF metrics(CurrentFont(), &MeasuringDevice());
  return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) / 1200.0;
}

double RecordingPrinter::LineHeight() const {
  return QFontMetricsF(CurrentFont(), &MeasuringDevice()).height() / 1200.0;
}

double RecordingPrinter::PrintableWidth() const {
  return Orientation() == kLandscape ? printableWidth_ : printableHeight_;
}

void RecordingPrinter::EndPage() {
  ++pagesEnded;
  ++page_;
}

}  // namespace morvadel
