#include "platform/qt_printer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QString>
#include <cerrno>

namespace morvadel {

namespace {

constexpr double kLineWidthInches = 0.01;

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The PDF writer does not report a write that failed (a full disk, a lost
// share): a file that went out whole ends with the end-of-file marker.
bool PdfFileComplete(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile()) return true;  // a device or pipe cannot be read back
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  constexpr qint64 kTail = 64;
  if (file.size() > kTail && !file.seek(file.size() - kTail)) return false;
  return file.readAll().contains("%%EOF");
}

// A print into a PDF file, as the print dialog's "Print to File" sets it.
bool PrintsIntoFile(const QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

// A device or a pipe is written as it is: there is no file to replace.
bool IsSpecialFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

// Why a file the PDF writer could not write whole fell short: the system's
// answer to one more write at its end (a full disk, the file-size limit),
// or EIO when that write goes through.
int WhyUnwritten(PendingFile& file) {
  constexpr size_t kProbe = 65536;
  if (::lseek(file.fd(), 0, SEEK_END) < 0) return errno;
  if (file.Write(std::string(kProbe, '\0'))) return EIO;
  return file.error() != 0 ? file.error() : EIO;
}

// Why the PDF writer could not start on its file: the system's answer to
// opening it for writing by its name, as the writer opens it (too many
// files open, a file its permissions close); 0 when it opens, and the
// writer failed for a cause the system does not tell.
int WhyNotOpened(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  ::close(fd);
  return 0;
}

QPageLayout::Orientation QtOrientation(int orientation) {
  return orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  dpi_ = printer_->resolution() > 0 ? printer_->resolution() : 1200;
}

QtPrinter::~QtPrinter() {
  if (started_ && !ended_) {
    printer_->abort();
    painter_.end();
  }
  // The temporary file of a job never ended goes with pending_.
}

bool QtPrinter::OpenPendingFile() {
  if (!PrintsIntoFile(*printer_)) return true;
  const QString name = printer_->outputFileName();
  const std::string path = name.toStdString();
  if (IsSpecialFile(path)) return true;
  pending_ = std::make_unique<PendingFile>(path);
  if (!pending_->ok()) {
    fileFailure_ = {path, pending_->error()};
    pending_.reset();
    return false;
  }
  target_ = name;
  printer_->setOutputFileName(QString::fromStdString(pending_->path()));
  return true;
}

void QtPrinter::CommitPendingFile() {
  if (!pending_) return;
  LeavePendingFile(failed_ ? WhyUnwritten(*pending_) : pending_->Commit(target_.toStdString()));
}

void QtPrinter::LeavePendingFile(int err) {
  if (err != 0) {
    failed_ = true;
    fileFailure_ = {target_.toStdString(), err};
  }
  pending_.reset();  // a file not committed goes with it
  printer_->setOutputFileName(target_);
}

bool QtPrinter::Start() {
  if (started_) return !failed_;
  printer_->setPageOrientation(QPageLayout::Landscape);
  started_ = true;
  if (!OpenPendingFile()) {
    failed_ = true;
    ended_ = true;
    return false;
  }
  if (!painter_.begin(printer_.get())) {
    failed_ = true;
    ended_ = true;
    if (pending_) LeavePendingFile(WhyNotOpened(pending_->path()));
    return false;
  }
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform);
  return true;
}

bool QtPrinter::Ready() {
  if (failed_ || !started_ || ended_) return false;
  if (newPageDue_) {
    newPageDue_ = false;
    if (printer_->pageLayout().orientation() != QtOrientation(Orientation()))
      printer_->setPageOrientation(QtOrientation(Orientation()));
    if (!printer_->newPage()) {
      failed_ = true;
      return false;
    }
  }
  return true;
}

QPen QtPrinter::LinePen() const {
  QPen pen(ForeColor());
  pen.setWidthF(kLineWidthInches * dpi_);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

void QtPrinter::DrawText(double x, double y, std::string_view text) {
  if (!Ready()) return;
  const QFont font = CurrentFont();
  painter_.setFont(font);
  painter_.setPen(ForeColor());
  const QFontMetricsF metrics(font, printer_.get());
  painter_.drawText(QPointF(x * dpi_, y * dpi_ + metrics.ascent()), Utf8(text));
}

void QtPrinter::DrawLine(double x1, double y1, double x2, double y2) {
  if (!Ready()) return;
  painter_.setPen(LinePen());
  painter_.drawLine(QPointF(x1 * dpi_, y1 * dpi_), QPointF(x2 * dpi_, y2 * dpi_));
}

void QtPrinter::DrawBox(double x1, double y1, double x2, double y2) {
  if (!Ready()) return;
  painter_.setPen(LinePen());
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRectF(QPointF(x1 * dpi_, y1 * dpi_), QPointF(x2 * dpi_, y2 * dpi_)).normalized());
}

void QtPrinter::DrawPicture(const QImage& picture, double x, double y, double width, double height) {
  if (!Ready()) return;
  painter_.drawImage(QRectF(x * dpi_, y * dpi_, width * dpi_, height * dpi_), picture);
}

// Played on the page, a drawing scales itself from its resolution to the
// printer's: what is left is the stretch to the size asked for.
void QtPrinter::DrawPicture(const QPicture& drawing, double x, double y, double width, double height) {
  if (!Ready()) return;
  const QSizeF own = PictureInches(drawing);
  const QRect box = drawing.boundingRect();
  painter_.save();
  painter_.translate(x * dpi_, y * dpi_);
  painter_.scale(width / own.width(), height / own.height());
  painter_.drawPicture(QPointF(-box.left() * dpi_ / drawing.logicalDpiX(), -box.top() * dpi_ / drawing.logicalDpiY()),
                       drawing);
  painter_.restore();
}

double QtPrinter::MeasureText(std::string_view text) const {
  return QFontMetricsF(CurrentFont(), printer_.get()).horizontalAdvance(Utf8(text)) / dpi_;
}

double QtPrinter::LineHeight() const { return QFontMetricsF(CurrentFont(), printer_.get()).height() / dpi_; }

double QtPrinter::PrintableWidth() const {
  QPageLayout layout = printer_->pageLayout();
  layout.setOrientation(QtOrientation(Orientation()));
  return layout.paintRect(QPageLayout::Inch).width();
}

void QtPrinter::EndPage() { newPageDue_ = true; }

bool QtPrinter::EndJob() {
  EndDoc();
  if (started_ && !ended_) {
    ended_ = true;
    if (!painter_.end() || printer_->printerState() == QPrinter::Error) failed_ = true;
    if (!failed_ && PrintsIntoFile(*printer_) && !PdfFileComplete(printer_->outputFileName())) failed_ = true;
    CommitPendingFile();
  }
  return !failed_;
}

}  // namespace morvadel
