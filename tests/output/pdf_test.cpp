// Pages printed into a PDF file through the real printer, read back with
// poppler's tools. MORVADEL_SHOTS=<dir> keeps the files to look at.
#include <unistd.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "model/labels.h"
#include "output/ratio_page.h"
#include "output/report_pages.h"
#include "pages_fixture.h"
#include "platform/chart.h"
#include "platform/pictures.h"
#include "platform/qt_printer.h"

namespace morvadel::test {
namespace {

QString RunTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

class PdfPages : public PagesFixture {
 protected:
  void SetUp() override {
    PagesFixture::SetUp();
    path = QString::fromStdString((std::filesystem::temp_directory_path() /
                                   ("morvadel_" + std::to_string(::getpid()) + "_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".pdf"))
                                      .string());
    std::filesystem::remove(path.toStdString());
  }
  void TearDown() override {
    if (const char* dir = std::getenv("MORVADEL_SHOTS"))
      std::filesystem::copy_file(path.toStdString(), std::filesystem::path(dir) / std::filesystem::path(path.toStdString()).filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(path.toStdString());
  }

  std::unique_ptr<QtPrinter> PdfPrinter() {
    auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->setOutputFormat(QPrinter::PdfFormat);
    device->setOutputFileName(path);
    paintRect = device->pageLayout().paintRect(QPageLayout::Point);
    auto printer = std::make_unique<QtPrinter>(std::move(device));
    EXPECT_TRUE(printer->Start());
    paintRect = printer->device().pageLayout().paintRect(QPageLayout::Point);  // landscape now
    return printer;
  }

  // The text of one page.
  QString PageText(int page) {
    return RunTool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), "-layout", path, "-"});
  }

  QString path;
  QRectF paintRect;
};

TEST_F(PdfPages, BalanceSheetGoesIntoOneFileOfTwoLandscapePages) {
  FillSection(2, 200, "Balance Sheet");
  const auto labels = StatementLabels(2, kEnglish);
  for (size_t i = 0; i < labels.size(); ++i) s->ItemTable(201 + static_cast<int>(i), 0) = Cell::Text(labels[i]);
  auto printer = PdfPrinter();
  PrintReport(*printer, *s, *StatementLayout(2));
  ASSERT_TRUE(printer->EndJob());

  const QString info = RunTool("pdfinfo", {path});
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
  const auto size = QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+)").match(info);
  ASSERT_TRUE(size.hasMatch()) << info.toStdString();
  EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble());  // landscape

  const QString first = PageText(1), second = PageText(2);
  for (const char* text : {"Balance Sheet", "Kvarner d.d.", "Currency: EUR ( x 1,000)", "Reported by: Ana Horvat",
                           "Period /Company/", "2019", labels[1], labels[25]})
    EXPECT_TRUE(first.simplified().contains(QString::fromUtf8(text))) << text << "\n" << first.toStdString();
  EXPECT_TRUE(first.contains(QRegularExpression("Page:\\s+1"))) << first.toStdString();
  EXPECT_FALSE(first.contains(QString::fromUtf8(labels[51])));
  EXPECT_TRUE(second.contains(QRegularExpression("Page:\\s+2"))) << second.toStdString();
  EXPECT_TRUE(second.simplified().contains(QString::fromUtf8(labels[26]))) << second.toStdString();
  EXPECT_TRUE(second.simplified().contains(QString::fromUtf8(labels[51]))) << second.toStdString();
  EXPECT_TRUE(second.contains("5206"));  // row 252, period VI

  // The title is centred on the printable width in the face it is set in.
  const QString boxes = RunTool("pdftotext", {"-f", "1", "-l", "1", "-bbox", path, "-"});
  auto word = [&](const char* w) {
    return QRegularExpression(QString("xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">%1<").arg(w))
        .match(boxes);
  };
  const auto balance = word("Balance"), sheet = word("Sheet");
  ASSERT_TRUE(balance.hasMatch() && sheet.hasMatch()) << boxes.toStdString();
  const double centre = (balance.captured(1).toDouble() + sheet.captured(2).toDouble()) / 2;
  EXPECT_NEAR(centre, paintRect.left() + paintRect.width() / 2, 1.5);
}

TEST_F(PdfPages, RatioPageCarriesItsTableAndThreeCharts) {
  s->RatioCode = 11;
  for (int c = 1; c <= 6; ++c) {
    s->RatioPeriods(2, c) = Currency::FromWhole(1000 + 150 * c);
    s->RatioPeriods(3, c) = Currency::FromWhole(800 + 40 * c);
    s->RatioPeriods(4, c) = Currency::FromRaw(12500 + 1000 * c);
    s->RatioPeriods(5, c) = Currency::FromRaw(1000000 + 80000 * c);
  }
  RatioPage page;
  page.title = "Current Ratio";
  const char* labels[] = {"", "Period", "Current assets", "Current liabilities", "Current ratio",
                          "Dynamics 1st = 100"};
  for (int r = 0; r <= 5; ++r) page.rowLabels[r] = labels[r];
  for (int c = 1; c <= 6; ++c) page.periodNames[c] = std::to_string(2018 + c);
  page.tableBackground = RatioTableBackground();
  Chart numerator, denominator, ratio;
  for (Chart* chart : {&numerator, &denominator, &ratio}) {
    chart->SetColumnCount(6);
    chart->SetRowLabel(chart == &ratio ? "Current ratio" : chart == &numerator ? "Current assets" : "Current liabilities");
    for (int c = 1; c <= 6; ++c) {
      chart->SetColumn(c);
      chart->SetData(QString::number(chart == &ratio ? 1.25 + 0.1 * c : 1000 + 150 * c));
      if (chart == &ratio) chart->SetColumnLabel(QString::number(2018 + c));
    }
    chart->Refresh();
  }
  ratio.SetShowLegend(true);
  page.numeratorChart = numerator.Picture(kRatioChartWidthTwips, kRatioChartHeightTwips);
  page.denominatorChart = denominator.Picture(kRatioChartWidthTwips, kRatioChartHeightTwips);
  page.ratioChart = ratio.Picture(kRatioChartWidthTwips, kRatioChartHeightTwips);

  auto printer = PdfPrinter();
  printer->SetOrientation(kLandscape);
  printer->SetScaleMode(kScaleInches);
  PrintRatioReportPage(*printer, *s, page, 1.0);
  ASSERT_TRUE(printer->EndJob());

  EXPECT_TRUE(RunTool("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
  const QString text = PageText(1).simplified();
  for (const char* t : {"Current Ratio", "Current assets", "Dynamics 1st = 100", "1.35", "108.00", "2024"})
    EXPECT_TRUE(text.contains(t)) << t << "\n" << text.toStdString();
  // The table and the three charts are drawings, no pictures of pixels
  // (pdfimages lists a header of two lines and nothing else).
  const QStringList images = RunTool("pdfimages", {"-list", path}).split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(images.size() - 2, 0) << images.join('\n').toStdString();

  // The charts' texts are texts, each chart's inside its rectangle (4000 by
  // 3000 twips at 1.3, 4.3 and 7.3 across, 4.8 down) in its 7-point size.
  const QString boxes = RunTool("pdftotext", {"-f", "1", "-l", "1", "-bbox", path, "-"});
  const QRegularExpression wordBox(
      "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)<");
  struct Word {
    QString text;
    QRectF box;
  };
  std::vector<Word> words;
  for (auto m = wordBox.globalMatch(boxes); m.hasNext();) {
    const auto w = m.next();
    words.push_back({w.captured(5), QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                           QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
  }
  ASSERT_FALSE(words.empty()) << boxes.toStdString();
  struct Expected {
    double x;
    std::vector<const char*> texts;
  } charts[] = {{1.3, {"Current", "assets", "1500"}},
                {4.3, {"Current", "liabilities", "1000"}},
                {7.3, {"Current", "ratio", "2019", "2024"}}};
  for (const Expected& chart : charts) {
    const QRectF rect(paintRect.left() + chart.x * 72, paintRect.top() + 4.8 * 72, 4000 / 20.0, 3000 / 20.0);
    for (const char* text : chart.texts) {
      const auto inside = std::find_if(words.begin(), words.end(), [&](const Word& w) {
        return w.text == QString::fromUtf8(text) && rect.contains(w.box);
      });
      ASSERT_NE(inside, words.end()) << text << " not in the chart at " << chart.x << "\n" << boxes.toStdString();
      EXPECT_GT(inside->box.height(), 5) << text;  // a 7-point line, neither shrunk nor blown up
      EXPECT_LT(inside->box.height(), 10) << text;
    }
  }
}

}  // namespace
}  // namespace morvadel::test
