// One analyst's session through the whole program: a new workbook keyed in,
// totalled, saved, read as ratios and comparisons, an industry figure typed,
// saved again and read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "compare/compare_forms.h"
#include "compare/form50.h"
#include "entry/entry_forms.h"
#include "entry/for20.h"
#include "entry/for21.h"
#include "entry/for7.h"
#include "entry/form8.h"
#include "model/workbook_file.h"
#include "platform/navigator.h"
#include "ratios/ratio_forms.h"
#include "ratios/ratio_group_form.h"
#include "ratios/unos2.h"
#include "shell/form1.h"
#include "shell/form2a.h"
#include "test_app.h"
#include "typing.h"

namespace morvadel {
namespace {

namespace fs = std::filesystem;
using test::Activate;
using test::Key;
using test::TypeIntoGrid;

class Journey : public ::testing::Test, protected test::TestApp {
 protected:
  void SetUp() override {
    Reset({RegisterShellForms, RegisterEntryForms, RegisterRatioForms, RegisterCompareForms});
    // A folder of this run's own, so that runs side by side never share files.
    std::string pattern = (fs::temp_directory_path() / "morvadel_journey_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    path = dir + "/journey.eka";
  }
  void TearDown() override {
    if (!dir.empty()) fs::remove_all(dir);
  }

  template <class T>
  T* Go() {
    nav->ProcessPending();
    T* w = dynamic_cast<T*>(nav->Current());
    EXPECT_NE(w, nullptr);
    if (w) Activate(w);
    return w;
  }
  template <class T>
  T* Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    return Go<T>();
  }
  // Types a figure into a cell of the current grid and confirms it.
  static void Enter(Grid* grid, QLineEdit* tekst, int row, int col, const QString& text) {
    grid->SetRow(row);
    grid->SetCol(col);
    grid->SetFocusToGrid();
    TypeIntoGrid(grid, tekst, text);
    Key(tekst, Qt::Key_Return);
  }

  std::string dir;   // this run's own folder
  std::string path;
};

TEST_F(Journey, KeyInTotalAnalyseCompareSaveAndReadBack) {
  nav->Show(FormId::Form1);
  auto* start = Go<Form1>();
  auto* main = Click<Form2a>(start->Picture4);  // English
  QTest::mouseClick(main->Picture2, Qt::LeftButton);  // New
  auto* entry = Click<Form8>(main->Command7);

  // General data: the period names.
  Enter(entry->Tablica, entry->tekst, 1, 1, "2023");
  Enter(entry->Tablica, entry->tekst, 1, 2, "2024");
  entry = Click<Form8>(entry->Command2);  // balance sheet
  EXPECT_EQ(entry->Tablica->TextMatrix(1, 1), "2023");
  Enter(entry->Tablica, entry->tekst, 5, 1, "500");
  Enter(entry->Tablica, entry->tekst, 6, 1, "450");
  Enter(entry->Tablica, entry->tekst, 7, 1, "300");
  Enter(entry->Tablica, entry->tekst, 26, 1, "1000");
  Enter(entry->Tablica, entry->tekst, 5, 2, "600");
  Enter(entry->Tablica, entry->tekst, 26, 2, "400");
  entry = Click<Form8>(entry->Picture5);  // Sum
  EXPECT_EQ(entry->Tablica->TextMatrix(11, 1), "1250");
  EXPECT_EQ(entry->Tablica->TextMatrix(33, 1), "1000");
  EXPECT_EQ(entry->Tablica->TextMatrix(22, 2), "600");

  // About, then Continue: recalculated and saved under a new name.
  auto* about = Click<For7>(entry->Command6);
  dialogs.saveAnswers = {path};
  main = Click<Form2a>(about->Picture1);
  ASSERT_TRUE(fs::exists(path));
  EXPECT_EQ(s->FileName, path);
  EXPECT_TRUE(main->Command1->isEnabled());

  // Current ratio: 1250 / 1000 in period I, 600 / 400 in period II.
  auto* group = Click<RatioGroupForm>(main->Command1);
  auto* ratio = Click<Unos2>(group->RatioButtons[0]);
  EXPECT_EQ(s->RatioCode, 11);
  EXPECT_EQ(ratio->Tablica->TextMatrix(1, 1), "2023");
  EXPECT_EQ(ratio->Tablica->TextMatrix(4, 1), "1.25");
  EXPECT_EQ(ratio->Tablica->TextMatrix(4, 2), "1.5");
  EXPECT_EQ(ratio->Tablica->TextMatrix(5, 2), "120");
  ratio->Image2_Click();
  main = Go<Form2a>();

  // Common-size balance sheet: cash is 40 % of total assets.
  auto* compare = Click<Form50>(main->Command3);
  EXPECT_EQ(compare->Tablica->TextMatrix(5, 1), "40");
  EXPECT_EQ(compare->Tablica->TextMatrix(22, 2), "100");
  compare->Picture1_Click();
  main = Go<Form2a>();

  // Dun and Bradstreet: an industry figure typed into column 10.
  compare = Click<Form50>(main->Picture5);
  EXPECT_EQ(compare->Tablica->TextMatrix(28, 1), "1.25");  // current ratio (times)
  Enter(compare->Tablica, compare->tekst, 4, 10, "12.5");
  compare->Picture1_Click();
  main = Go<Form2a>();
  QTest::mouseClick(main->Picture10, Qt::LeftButton);  // Save
  EXPECT_TRUE(dialogs.messages.empty());

  auto back = std::make_unique<SharedState>();
  back->FileName = path;
  ASSERT_TRUE(CitajDatoteku(*back).ok());
  EXPECT_EQ(ItemText(*back, 101, 1), "2023");
  EXPECT_EQ(ItemText(*back, 205, 1), "500");
  EXPECT_EQ(ItemText(*back, 211, 1), "1250");
  EXPECT_EQ(back->ItemTable(604, 10).text(), "12.5");
  EXPECT_EQ(back->ItemValues(233, 2), 400);
}

// An analyst opens a workbook, converts it into another currency, saves the
// result under its new name, then restates that for inflation and saves
// again: each new file holds the restated values, the older ones stay.
TEST_F(Journey, OpenConvertAdjustSaveAndReadBack) {
  const std::string folder = dir + "/restate";
  fs::create_directories(folder);
  const std::string original = folder + "/firm.eka";
  {
    auto w = std::make_unique<SharedState>();
    w->FileName = original;
    w->CurrencyName = "HRK";
    w->ItemTable(3, 1) = Cell::Text("1234");
    w->ItemTable(13, 2) = Cell::Text("1000");
    w->ItemTable(26, 2) = Cell::Text("-5");
    w->ItemTable(205, 1) = Cell::Text("500");
    ASSERT_TRUE(SaveDataFile(*w).ok());
  }
  auto bytes = [](const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const std::string originalBytes = bytes(original);

  nav->Show(FormId::Form1);
  auto* main = Click<Form2a>(Go<Form1>()->Picture4);  // English
  dialogs.openAnswers = {original};
  QTest::mouseClick(main->Picture9, Qt::LeftButton);  // Open
  ASSERT_TRUE(main->Command81->isEnabled());

  auto* convert = Click<For20>(main->Command81);
  test::TypeText(convert->Text1, "eur");
  Key(convert->Text1, Qt::Key_Return);
  test::TypeText(convert->Text2, "7.5");
  main = Click<Form2a>(convert->Command2);
  const std::string converted = folder + "/firm-conv.eka";
  EXPECT_EQ(main->Text1->text().toStdString(), converted);
  QTest::mouseClick(main->Picture10, Qt::LeftButton);  // Save

  auto* adjust = Click<For21>(main->Command82);
  adjust->Posto1[7]->setFocus();
  adjust->Posto1[7]->selectAll();
  test::TypeText(adjust->Posto1[7], "110");
  main = Click<Form2a>(adjust->Command2);
  const std::string adjusted = folder + "/firm-conv-infl.eka";
  EXPECT_EQ(main->Text1->text().toStdString(), adjusted);
  QTest::mouseClick(main->Picture10, Qt::LeftButton);  // Save
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(dialogs.saveCalls, 0);

  struct Expect {
    std::string file;
    const char* currency;
    const char* cash;      // row 3, period I
    const char* sales;     // row 13, period II
    const char* profit;    // row 26, period II
  } expected[] = {
      {converted, "EUR", "9255", "7500", "-37"},      // -37.5 rounds half up
      {adjusted, "EUR", "9255", "8250", "-41"},       // -40.7 at 110 %
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.file);
    auto back = std::make_unique<SharedState>();
    back->FileName = e.file;
    ASSERT_TRUE(CitajDatoteku(*back).ok());
    EXPECT_EQ(back->CurrencyName, e.currency);
    EXPECT_EQ(ItemText(*back, 3, 1), e.cash);
    EXPECT_EQ(ItemText(*back, 13, 2), e.sales);
    EXPECT_EQ(ItemText(*back, 26, 2), e.profit);
    EXPECT_EQ(ItemText(*back, 4, 1), "0");
    EXPECT_EQ(ItemText(*back, 205, 1), "500");  // statements are not restated
  }
  EXPECT_EQ(bytes(original), originalBytes);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace morvadel
