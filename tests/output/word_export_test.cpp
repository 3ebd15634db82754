// The document export: the typed document read back from the .docx file,
// its row lines and masks, appended pages, and the preview's pages.
#include <QApplication>
#include <QBackingStore>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTimer>
#include <cerrno>

#include "ooxml_reader.h"
#include "output/document_preview.h"
#include "output/word_export.h"
#include "output_fixture.h"
#include "platform/memory_use.h"
#include "resident_pages.h"

namespace morvadel::test {
namespace {

using WordExportTest = OutputTest;

const CompanyLines kCompany{"Tvornica d.d.", "Zagreb", "Ilica 1"};

ExportTable Statement() {
  return MakeTable("Bruto bilanca", {{"", "      I", "      II"},
                                     {"Razdoblje", "2019", "2020"},
                                     {"Novac", "1250", ""},
                                     {"Dugoročna rezerviranja za troškove", "0", "-7"}});
}

TEST(DocTyping, LineEndsMakeParagraphsAndFontsMakeRuns) {
  DocDocument doc;
  DocTypist t(doc);
  t.Type("ab");
  t.font.bold = true;
  t.Type("cd\r\nef");
  t.font = DocFont{"Courier New", 8, false};
  t.Type("\r\n\r\n");
  ASSERT_EQ(doc.paragraphs.size(), 4u);
  ASSERT_EQ(doc.paragraphs[0].runs.size(), 2u);
  EXPECT_EQ(doc.paragraphs[0].runs[0].text, "ab");
  EXPECT_FALSE(doc.paragraphs[0].runs[0].font.bold);
  EXPECT_EQ(doc.paragraphs[0].runs[1].text, "cd");
  EXPECT_TRUE(doc.paragraphs[0].runs[1].font.bold);
  EXPECT_EQ(doc.paragraphs[1].Text(), "ef");
  EXPECT_TRUE(doc.paragraphs[2].runs.empty());
  EXPECT_EQ(doc.paragraphs[2].mark.name, "Courier New");  // an empty line in the font typed there
  EXPECT_TRUE(doc.paragraphs[3].runs.empty());             // the cursor's paragraph
}

TEST_F(WordExportTest, ANewDocumentReadBackHasThePartsInTheirFonts) {
  for (bool withCompany : {true, false}) {
    DocDocument doc;
    const auto company = withCompany ? std::optional<CompanyLines>(kCompany) : std::nullopt;
    TypeWordExport(doc, Statement(), company, 2, false, '.');
    ASSERT_EQ(WriteDocx(Path("d.docx"), doc), 0);
    const auto book = ReadDocx(Path("d.docx"));
    ASSERT_TRUE(book);
    EXPECT_TRUE(book->landscape);
    EXPECT_EQ(book->pageWidth, 16838);
    EXPECT_EQ(book->pageHeight, 11906);
    const auto& p = book->paragraphs;
    // company line, one empty line, title, three empty lines, four rows,
    // one empty line and the cursor's empty line.
    ASSERT_EQ(p.size(), 12u) << withCompany;
    if (withCompany) {
      ASSERT_EQ(p[0].runs.size(), 1u);
      EXPECT_EQ(p[0].Text(), "Tvornica d.d.   Zagreb   Ilica 1");
      EXPECT_TRUE(p[0].runs[0].bold);
    } else {
      EXPECT_EQ(p[0].Text(), "");
    }
    EXPECT_EQ(p[1].Text(), "");
    ASSERT_EQ(p[2].runs.size(), 1u);
    EXPECT_EQ(p[2].Text(), std::string(48, ' ') + "Bruto bilanca");
    EXPECT_EQ(p[2].runs[0].font, "Times New Roman");
    EXPECT_EQ(p[2].runs[0].size, 14);
    EXPECT_FALSE(p[2].runs[0].bold);
    for (int i : {3, 4, 5, 10, 11}) EXPECT_TRUE(p[static_cast<size_t>(i)].runs.empty()) << i;
    for (int r = 0; r < 4; ++r) {
      const DocxParagraph& row = p[static_cast<size_t>(6 + r)];
      ASSERT_EQ(row.runs.size(), 1u);
      EXPECT_EQ(row.runs[0].font, "Courier New");
      EXPECT_EQ(row.runs[0].size, 8);
      EXPECT_EQ(row.runs[0].bold, r == 0) << r;
    }
    EXPECT_EQ(p[6].Text(), std::string(20, ' ') + std::string(4, ' ') + "      I" + std::string(3, ' ') + "      II");
    EXPECT_EQ(p[7].Text(), "Razdoblje           " + std::string(7, ' ') + "2019" + std::string(7, ' ') + "2020");
    EXPECT_EQ(p[8].Text(), "Novac               " + std::string(7, ' ') + "1250" + std::string(11, ' '));
    // The label is cut to 20 characters (letters, not bytes); a 0 under the
    // whole-number mask leaves its place blank.
    EXPECT_EQ(p[9].Text(), "Dugoročna rezerviran" + std::string(11, ' ') + std::string(9, ' ') + "-7");
  }
}

TEST(WordRows, MasksByViewAndRow) {
  struct Case {
    int16_t code;
    int row;
    const char* mask;
  };
  const Case cases[] = {{1, 4, "###########"}, {5, 0, "###########"}, {21, 0, "###########"},
                        {21, 3, "###########"}, {21, 4, "#######0.00"}, {21, 5, "#######0.00"},
                        {20, 1, "#######0.00"}, {9, 2, "#######0.00"}, {51, 1, "#######0.00"}};
  for (const Case& c : cases) EXPECT_STREQ(WordNumberMask(c.code, c.row), c.mask) << c.code << " " << c.row;
}

TEST(WordRows, ValuesAreRightAlignedInElevenCharactersThroughTheMask) {
  const ExportTable ratio = MakeTable("Current Ratio", {{" ", "         I", "         II"},
                                                       {"Period", "2019", "Year two"},
                                                       {"Current assets", "1500", "0"},
                                                       {"Current liabilities", "1000", ""},
                                                       {"Current ratio", "1.5", "0"},
                                                       {"Dynamics 1st = 100", "100", "123456789012.5"},
                                                       {"Net sales", "12345678", "-1234567.5"},
                                                       {"Twenty letters 12345", "12345678", "3"}});
  struct Case {
    int row;
    std::string line;
  };
  const Case cases[] = {
      {0, " " + std::string(19, ' ') + " " + "         I" + "         II"},
      {1, "Period              " + std::string(7, ' ') + "2019" + "   Year two"},
      {2, "Current assets      " + std::string(7, ' ') + "1500" + std::string(11, ' ')},
      {3, "Current liabilities " + std::string(7, ' ') + "1000" + std::string(11, ' ')},
      {4, "Current ratio       " + std::string(7, ' ') + "1.50" + std::string(7, ' ') + "0.00"},
      // A value that fills its field or runs beyond it keeps a blank
      // before it, never reading as one figure with its neighbour.
      {5, "Dynamics 1st = 100  " + std::string(5, ' ') + "100.00" + " 123456789012.50"},
      {6, "Net sales           " + std::string("12345678.00") + " -1234567.50"},
      {7, "Twenty letters 12345" + std::string(" 12345678.00") + std::string(7, ' ') + "3.00"},
  };
  for (const Case& c : cases) EXPECT_EQ(WordRowLine(ratio, c.row, 21, '.'), c.line) << c.row;
  // The comparison window's code: two decimals from the first row on, with
  // the user's decimal mark.
  EXPECT_EQ(WordRowLine(ratio, 1, 20, ','), "Period              " + std::string(4, ' ') + "2019,00" + "   Year two");
}

TEST_F(WordExportTest, AnAppendedExportFollowsAPageBreakInTheSameDocument) {
  DocDocument doc;
  TypeWordExport(doc, Statement(), kCompany, 2, false, '.');
  const size_t first = doc.paragraphs.size();
  TypeWordExport(doc, MakeTable("Troškovi", {{"", "I"}, {"Plaće", "10"}}), kCompany, 5, true, '.');
  ASSERT_EQ(WriteDocx(Path("d.docx"), doc), 0);
  const auto book = ReadDocx(Path("d.docx"));
  ASSERT_TRUE(book);
  // The break stands where the first export's cursor was, and the second
  // export's company line follows it on the new page.
  const DocxParagraph& p = book->paragraphs[first - 1];
  ASSERT_EQ(p.runs.size(), 2u);
  EXPECT_TRUE(p.runs[0].pageBreak);
  EXPECT_EQ(p.runs[1].text, "Tvornica d.d.   Zagreb   Ilica 1");
  EXPECT_TRUE(p.runs[1].bold);
  // Typed on where the document ended: in its last font, Courier New 8.
  EXPECT_EQ(p.runs[1].font, "Courier New");
  EXPECT_EQ(book->paragraphs[first + 1].Text(), std::string(48, ' ') + "Troškovi");
  int breaks = 0;
  for (const auto& para : book->paragraphs)
    for (const auto& run : para.runs) breaks += run.pageBreak;
  EXPECT_EQ(breaks, 1);
}

TEST_F(WordExportTest, TheFileIsAValidPackageAndAFailedWriteIsReported) {
  DocDocument doc;
  TypeWordExport(doc, Statement(), kCompany, 2, false, '.');
  ASSERT_EQ(WriteDocx(Path("d.docx"), doc), 0);
  for (const char* part : {"[Content_Types].xml", "_rels/.rels", "word/_rels/document.xml.rels", "word/styles.xml"})
    EXPECT_TRUE(ZipPart(Path("d.docx"), part)) << part;
  // Blanks are kept as typed.
  EXPECT_NE(ZipPart(Path("d.docx"), "word/document.xml")->find("xml:space=\"preserve\""), std::string::npos);
  EXPECT_NE(WriteDocx(Path("no/such/d.docx"), doc), 0);
  for (int i = 0; i < 40; ++i) TypeWordExport(doc, Statement(), kCompany, 2, true, '.');
  DiskFull full(2048);
  EXPECT_NE(WriteDocx(Path("big.docx"), doc), 0);
}

TEST_F(WordExportTest, ThePreviewPaintsLandscapePagesAndBreaksWhereTheDocumentDoes) {
  DocDocument doc;
  TypeWordExport(doc, Statement(), kCompany, 2, false, '.');
  TypeWordExport(doc, Statement(), kCompany, 2, true, '.');
  QPdfWriter pdf(QString::fromStdString(Path("preview.pdf")));
  pdf.setResolution(300);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(72, 72, 72, 72),
                                QPageLayout::Point));
  EXPECT_EQ(PaintDocument(doc, pdf), 2);
  EXPECT_GT(fs::file_size(dir / "preview.pdf"), 1000u);
}

int DarkPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 64;
  return n;
}

// The preview draws its pages afresh whenever it shows them and keeps no
// image of them between paints, on opening as after a change of
// orientation (which makes the pages anew); what it shows is what a kept
// image would show.
TEST_F(WordExportTest, ThePreviewKeepsNoImageOfItsPagesAndShowsThemAsAKeptImageWould) {
  DocDocument doc;
  TypeWordExport(doc, Statement(), kCompany, 2, false, '.');
  TypeWordExport(doc, Statement(), kCompany, 2, true, '.');
  auto setCache = [](QGraphicsScene& scene, QGraphicsItem::CacheMode mode) {
    for (QGraphicsItem* item : scene.items()) item->setCacheMode(mode);
  };
  int looked = 0;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    auto* view = preview ? preview->findChild<QGraphicsView*>() : nullptr;
    if (view && view->scene()) {
      for (const bool turned : {false, true}) {
        if (turned) preview->setPortraitOrientation();
        EXPECT_EQ(preview->pageCount(), 2) << turned;
        QGraphicsScene& scene = *view->scene();
        ASSERT_FALSE(scene.items().empty());
        for (QGraphicsItem* item : scene.items()) EXPECT_EQ(item->cacheMode(), QGraphicsItem::NoCache) << turned;
        const QImage drawn = view->viewport()->grab().toImage();
        EXPECT_GT(DarkPixels(drawn), 100) << turned;  // the page's text is there
        setCache(scene, QGraphicsItem::DeviceCoordinateCache);
        view->viewport()->grab();  // makes the images
        EXPECT_TRUE(view->viewport()->grab().toImage() == drawn) << turned;
        setCache(scene, QGraphicsItem::NoCache);
        ++looked;
      }
    }
    dialog->close();
  });
  ShowDocumentPreview(doc, Path("Export.docx"), kEnglish);
  EXPECT_EQ(looked, 2);
}

// Once the preview is closed, the room of its window's image goes back to
// the system: the heap would keep it resident for the rest of the run.
TEST_F(WordExportTest, AClosedPreviewGivesTheRoomOfItsWindowBack) {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the C library's allocator is not the one in use";
#else
  TuneMemoryReturn();  // as the program starts
  DocDocument doc;
  TypeWordExport(doc, Statement(), kCompany, 2, false, '.');
  uintptr_t image = 0;
  size_t bytes = 0;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    dialog->grab();
    QApplication::processEvents();  // shown and painted
    if (QBackingStore* store = dialog->backingStore())
      if (auto* shown = dynamic_cast<QImage*>(store->paintDevice())) {
        image = reinterpret_cast<uintptr_t>(shown->constBits());
        bytes = static_cast<size_t>(shown->sizeInBytes());
        EXPECT_GT(test::ResidentPages(image, bytes), 0u);
      }
    dialog->close();
  });
  ShowDocumentPreview(doc, Path("Export.docx"), kEnglish);
  ASSERT_GT(bytes, size_t{1} << 20);
  EXPECT_EQ(test::ResidentPages(image, bytes), 0u);
#endif
}

// Each page shows only its own lines: the first line of the next page
// (here a company name whose capital carries an accent above the line)
// leaves no trace at the foot of the page before it, and a table that
// flows over several pages shows each of its rows once.
TEST_F(WordExportTest, APageShowsNothingOfTheNextPagesFirstLine) {
  const QString pdfPath = QString::fromStdString(Path("preview.pdf"));
  auto paint = [&](const DocDocument& doc) {
    QPdfWriter pdf(pdfPath);
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(72, 72, 72, 72),
                                  QPageLayout::Point));
    return PaintDocument(doc, pdf);
  };
  auto pageText = [&](int page) {
    QProcess text;
    text.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdfPath, "-"});
    EXPECT_TRUE(text.waitForFinished(60000));
    return QString::fromUtf8(text.readAllStandardOutput());
  };

  const CompanyLines company{"Čakovečka Žitnica d.d.", "Đakovo", "Šoićeva 1"};
  DocDocument doc;
  TypeWordExport(doc, Statement(), company, 2, false, '.');
  TypeWordExport(doc, Statement(), company, 2, true, '.');
  ASSERT_EQ(paint(doc), 2);
  for (int page : {1, 2}) {
    const QString shown = pageText(page);
    EXPECT_EQ(shown.count(QString::fromUtf8("Čakovečka")), 1) << "page " << page << ":\n" << shown.toStdString();
  }

  std::vector<std::vector<std::string>> rows = {{"", "I"}};
  for (int r = 1; r <= 150; ++r) rows.push_back({"Row" + std::to_string(1000 + r), std::to_string(r)});
  DocDocument flowing;
  TypeWordExport(flowing, MakeTable("Long", rows), company, 2, false, '.');
  const int pages = paint(flowing);
  ASSERT_GE(pages, 3);
  QString all;
  for (int page = 1; page <= pages; ++page) all += pageText(page);
  for (int r = 1; r <= 150; ++r)
    EXPECT_EQ(all.count("Row" + QString::number(1000 + r)), 1) << r;
}

}  // namespace
}  // namespace morvadel::test
