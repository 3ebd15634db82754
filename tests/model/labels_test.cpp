#include "model/labels.h"

#include <gtest/gtest.h>

#include <memory>

namespace morvadel {
namespace {

using Loader = void (*)(SharedState&);

struct Sample {
  Loader loader;
  int row;
  const char* text;
};

TEST(Labels, SamplesOfEveryListStandExactly) {
  const Sample samples[] = {
      {FillGeneralLabelsHr, 1, "Razdoblje / Firma /"},
      {FillGeneralLabelsHr, 7, "Trenutna tržišna cijena obične  dion"},
      {FillGeneralLabelsEn, 1, "Period / Company / "},
      {FillGeneralLabelsEn, 6, "Current market price of  preferred share"},
      {FillBalanceSheetLabelsHr, 19, "Ostala  ne tekuća imovina"},
      {FillBalanceSheetLabelsHr, 22, "Ukupno imovina "},
      {FillBalanceSheetLabelsHr, 52, "Izvan bilance za:"},
      {FillBalanceSheetLabelsEn, 13, "Property,plant&equipment(Cost Val)"},
      {FillBalanceSheetLabelsEn, 24, "Liabilities & stockholders equity "},
      {FillBalanceSheetLabelsEn, 48, "Total shareholdes equity"},
      {FillIncomeStatementLabelsHr, 16, "Troškovi  kamata"},
      {FillIncomeStatementLabelsEn, 23, "Income tax "},
      {FillIncomeStatementLabelsEn, 32, "Retained earnings"},
      {FillCashFlowLabelsHr, 1, "Razdolje / Firma /"},
      {FillCashFlowLabelsHr, 14, "Promjene -  (Povečanje / Smanjenje)"},
      {FillCashFlowLabelsEn, 50, "Cash end of  period"},
      {FillExpenseLabelsHr, 1, "Razdoblje / Firma"},
      {FillExpenseLabelsHr, 4, "Depreciacia (pad vrijednosti)"},
      {FillExpenseLabelsEn, 14, "Repairs and maintenance"},
      {FillDunBradstreetLabels, 0, "Ratio description"},
      {FillDunBradstreetLabels, 30, "Curr liab to lnv (%)"},
      {FillDunBradstreetLabels, 44, "Return on NW (%)"},
      {FillPrenticeHallLabels, 29, "Profit margin  bef lnc tax"},
      {FillPrenticeHallLabels, 30, "Profit margin, aft lnc tax"},
      {FillRobertMorrisLabels, 46, "% Depre.depl.amort/aales"},
      {FillRobertMorrisLabels, 47, "% Officers' comp/aales"},
      {FillSummaryLabelsHr, 17, "Opći i aministrativni troškovi"},
      {FillSummaryLabelsEn, 27, "Retained earnings"},
  };
  for (const auto& sm : samples) {
    auto s = std::make_unique<SharedState>();
    sm.loader(*s);
    EXPECT_EQ(s->ItemTable(sm.row, 0).text(), sm.text) << sm.row;
  }
}

struct Statement {
  Loader loader;
  int count;
  int section;
  int column;
};

TEST(Labels, StatementLoadersClearCopyAndLeaveTheRest) {
  const Statement lists[] = {
      {FillGeneralLabelsHr, 7, 100, 15},         {FillGeneralLabelsEn, 7, 100, 16},
      {FillBalanceSheetLabelsHr, 52, 200, 15},   {FillBalanceSheetLabelsEn, 52, 200, 16},
      {FillIncomeStatementLabelsHr, 32, 300, 15}, {FillIncomeStatementLabelsEn, 32, 300, 16},
      {FillCashFlowLabelsHr, 50, 400, 15},       {FillCashFlowLabelsEn, 50, 400, 16},
      {FillExpenseLabelsHr, 14, 500, 15},        {FillExpenseLabelsEn, 14, 500, 16},
  };
  for (const auto& l : lists) {
    auto s = std::make_unique<SharedState>();
    for (int r = 0; r <= 120; ++r) s->ItemTable(r, 0) = Cell::Text("old");
    const int other = l.column == 15 ? 16 : 15;
    l.loader(*s);
    EXPECT_EQ(s->ItemTable(0, 0).text(), "old") << "row 0 is left to the industry lists";
    for (int r = 1; r <= l.count; ++r) {
      EXPECT_TRUE(s->ItemTable(r, 0).IsText());
      EXPECT_EQ(s->ItemTable(l.section + r, l.column), s->ItemTable(r, 0)) << l.section + r;
      EXPECT_TRUE(s->ItemTable(l.section + r, other).IsEmpty()) << "the other language's column";
    }
    for (int r = l.count + 1; r <= 99; ++r) {
      ASSERT_TRUE(s->ItemTable(r, 0).IsText()) << r;
      EXPECT_EQ(s->ItemTable(r, 0).text(), "") << r;
    }
    EXPECT_EQ(s->ItemTable(100, 0).text(), "old");
  }
}

TEST(Labels, BlankRowsAreEmptyTextsNotEmptyCells) {
  auto s = std::make_unique<SharedState>();
  FillBalanceSheetLabelsEn(*s);
  for (int r : {2, 4, 10, 12, 15, 51}) {
    EXPECT_TRUE(s->ItemTable(r, 0).IsText()) << r;
    EXPECT_EQ(s->ItemTable(r, 0).text(), "");
    EXPECT_TRUE(s->ItemTable(200 + r, 16).IsText());
  }
}

TEST(Labels, IndustryLoadersWriteFromRowZeroAndCopyNothing) {
  struct Case {
    Loader loader;
    int last;
  } cases[] = {{FillDunBradstreetLabels, 44}, {FillPrenticeHallLabels, 30}, {FillRobertMorrisLabels, 47}};
  for (const auto& c : cases) {
    auto s = std::make_unique<SharedState>();
    for (int r = 0; r <= 99; ++r) s->ItemTable(r, 0) = Cell::Text("old");
    c.loader(*s);
    EXPECT_EQ(s->ItemTable(0, 0).text(), "Ratio description");
    EXPECT_EQ(s->ItemTable(1, 0).text(), "");
    for (int r = c.last + 1; r <= 99; ++r) EXPECT_EQ(s->ItemTable(r, 0).text(), "");
    for (int r = 600; r <= 900; ++r) {
      EXPECT_TRUE(s->ItemTable(r, 15).IsEmpty());
      EXPECT_TRUE(s->ItemTable(r, 16).IsEmpty());
    }
  }
}

TEST(Labels, SummaryLoadersNeitherClearNorCopy) {
  auto s = std::make_unique<SharedState>();
  s->ItemTable(28, 0) = Cell::Text("keep");
  FillSummaryLabelsEn(*s);
  EXPECT_EQ(s->ItemTable(1, 0).text(), "Period");
  EXPECT_EQ(s->ItemTable(28, 0).text(), "keep");
  EXPECT_TRUE(s->ItemTable(29, 0).IsEmpty());
  EXPECT_TRUE(s->ItemTable(101, 15).IsEmpty());
}

TEST(Labels, BothLanguagesOfOneSheetFillBothColumnsAndIgnoreLanguage) {
  auto s = std::make_unique<SharedState>();
  s->Language = kEnglish;
  FillBalanceSheetLabelsHr(*s);
  FillBalanceSheetLabelsEn(*s);
  EXPECT_EQ(s->ItemTable(205, 15).text(), "Novac i utržive vrijednosnice");
  EXPECT_EQ(s->ItemTable(205, 16).text(), "Cash and marketable securities");
  EXPECT_EQ(s->ItemTable(5, 0).text(), "Cash and marketable securities");
  FillStatementLabels(*s, 4, kCroatian);
  EXPECT_EQ(s->ItemTable(3, 0).text(), "Redovne aktivnosti");
  EXPECT_EQ(StatementLabels(3, kEnglish).size(), 32u);
}

}  // namespace
}  // namespace morvadel
