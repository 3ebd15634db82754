#pragma once
// A workbook ready to print and a recording printer, shared by the page
// tests.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPicture>
#include <cstring>
#include <memory>
#include <string>

#include "model/shared_state.h"
#include "platform/recording_printer.h"

namespace morvadel::test {

inline constexpr double kEps = 1e-9;

// A stand-in for a page's picture: a drawing of the size given, filled with
// one colour.
inline QPicture FilledDrawing(QSizeF inches, const QColor& colour) {
  return RecordDrawing(inches, 1, [&](QPainter& p) { p.fillRect(QRectF(QPointF(0, 0), inches), colour); });
}

// The same drawing: the same recorded commands.
inline bool SameDrawing(const QPicture& a, const QPicture& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size()) == 0 &&
         a.boundingRect() == b.boundingRect();
}

class PagesFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    s = std::make_unique<SharedState>();
    s->Language = kEnglish;
    s->ShowCompany = 1;
    s->Company(1, 1) = Cell::Text("Kvarner d.d.");
    s->Company(2, 1) = Cell::Text("Riva 12");
    s->Company(5, 1) = Cell::Text("Rijeka");
    s->CurrencyName = "EUR";
    s->UnitText = "  ( x 1,000)";
    s->ReportedBy = Cell::Text("Ana Horvat");
    for (int c = 1; c <= 6; ++c) s->ItemTable(101, c) = Cell::Text(std::to_string(2018 + c));
    printer.SetScaleMode(kScaleInches);
  }

  // A recording printer in inches, as the page header or the print button
  // leaves it.
  static RecordingPrinter InchPrinter() {
    RecordingPrinter p;
    p.SetScaleMode(kScaleInches);
    return p;
  }

  // A view's section with a label "L<row>" and a figure in every row.
  void FillSection(int16_t code, int16_t sectionBase, const char* title, int lastColumn = 6) {
    s->ReportCode = code;
    s->SectionBase = sectionBase;
    s->ReportTitle = title;
    for (int r = 2; r <= 52; ++r) {
      const int row = sectionBase + r;
      s->ItemTable(row, 0) = Cell::Text("L" + std::to_string(row));
      for (int c = 1; c <= lastColumn; ++c) s->ItemTable(row, c) = Cell::Text(std::to_string(r * 100 + c));
    }
  }

  const RecordingPrinter::TextItem* At(int page, double x, double y) const { return printer.At(page, x, y); }
  std::string TextAt(int page, double x, double y) const { return printer.TextAt(page, x, y); }

  std::unique_ptr<SharedState> s;
  RecordingPrinter printer;
};

}  // namespace morvadel::test
