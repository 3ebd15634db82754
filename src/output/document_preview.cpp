#include "output/document_preview.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "model/shared_state.h"
#include "platform/dialogs.h"
#include "platform/memory_use.h"

namespace morvadel {

namespace {

QTextCharFormat CharFormat(const DocFont& f) {
  QTextCharFormat format;
  format.setFontFamilies({QString::fromStdString(f.name)});
  format.setFontPointSize(f.size);
  format.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
  return format;
}

QTextBlockFormat BlockFormat(bool pageBreakBefore) {
  QTextBlockFormat format;
  format.setTopMargin(0);
  format.setBottomMargin(0);
  if (pageBreakBefore) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  return format;
}

// The document's paragraphs as a rich-text document: one block per
// paragraph, a page break starting a new block on the next page.
void Fill(const DocDocument& doc, QTextDocument& text) {
  QTextCursor cursor(&text);
  bool firstBlock = true;
  auto startBlock = [&](bool pageBreak, const DocFont& mark) {
    if (firstBlock) {
      cursor.setBlockFormat(BlockFormat(pageBreak));
      cursor.setBlockCharFormat(CharFormat(mark));
      firstBlock = false;
    } else {
      cursor.insertBlock(BlockFormat(pageBreak), CharFormat(mark));
    }
  };
  for (const DocParagraph& p : doc.paragraphs) {
    startBlock(false, p.mark);
    bool blockHasText = false;
    for (const DocRun& run : p.runs) {
      if (run.pageBreak) {
        if (blockHasText) {
          startBlock(true, p.mark);
          blockHasText = false;
        } else {
          QTextBlockFormat f = cursor.blockFormat();
          f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
          cursor.setBlockFormat(f);
        }
        continue;
      }
      cursor.insertText(QString::fromStdString(run.text), CharFormat(run.font));
      blockHasText = true;
    }
  }
}

// The preview's pages drawn from their recordings whenever they are shown,
// which looks the same: left to itself the preview keeps an image of each
// page in view, as large as the window (some 3 MB a page), while it is open.
void DrawPagesUncached(QPrintPreviewWidget& preview) {
  for (QGraphicsView* view : preview.findChildren<QGraphicsView*>())
    if (QGraphicsScene* scene = view->scene())
      for (QGraphicsItem* item : scene->items()) item->setCacheMode(QGraphicsItem::NoCache);
}

}  // namespace

void SetDocumentPage(const DocDocument& doc, QPrinter& printer) {
  const double marginPt = kDocMarginTwips / 20.0;
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                    doc.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                    QMarginsF(marginPt, marginPt, marginPt, marginPt), QPageLayout::Point));
}

int PaintDocument(const DocDocument& doc, QPagedPaintDevice& device) {
  QTextDocument text;
  text.setUndoRedoEnabled(false);
  // Laid out in the device's own units, one page to the printable area.
  text.documentLayout()->setPaintDevice(&device);
  text.setDocumentMargin(0);
  const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
  text.setPageSize(QSizeF(page.size()));
  Fill(doc, text);
  const int pages = text.pageCount();
  const double height = text.pageSize().height();
  const double width = text.pageSize().width();
  QPainter painter(&device);
  if (!painter.isActive()) return pages;
  const QPageRanges ranges = device.pageRanges();
  bool first = true;
  for (int page = 1; page <= pages; ++page) {
    if (!ranges.isEmpty() && !ranges.contains(page)) continue;
    if (!first) device.newPage();
    first = false;
    painter.save();
    painter.translate(0, -(page - 1) * height);
    // Only the lines that start on this page: the first line of the next
    // page begins right at this page's foot, and an accent over its capital
    // reaches above its line, so a clip at the page's edge would let that
    // accent through. The half-unit inset keeps the next page's lines out.
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, (page - 1) * height, width, height).adjusted(0, 0.5, 0, -0.5);
    context.palette.setColor(QPalette::Text, Qt::black);
    text.documentLayout()->draw(&painter, context);
    painter.restore();
  }
  return pages;
}

void ShowDocumentPreview(const DocDocument& doc, const std::string& path, int16_t language) {
  {
    QPrinter printer(QPrinter::HighResolution);
    SetDocumentPage(doc, printer);
    printer.setDocName(QFileInfo(QString::fromStdString(path)).fileName());
    QPrintPreviewDialog dialog(&printer, DialogOwner());
    const QString file = QString::fromStdString(path);
    dialog.setWindowTitle(language == kCroatian ? QString("Pregled ispisa - %1").arg(file)
                                                : QString("Print Preview - %1").arg(file));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&doc](QPrinter* p) { PaintDocument(doc, *p); });
    // The pages are made anew on opening and on every change of orientation.
    if (auto* preview = dialog.findChild<QPrintPreviewWidget*>())
      QObject::connect(preview, &QPrintPreviewWidget::previewChanged, preview,
                       [preview] { DrawPagesUncached(*preview); });
    dialog.resize(1000, 760);
      dialog.exec();
  }
  // The room of the dialog's window image and of the pages' recordings,
  // freed amid what the run keeps, back to the system.
  ReturnFreeMemory();
}

}  // namespace morvadel
