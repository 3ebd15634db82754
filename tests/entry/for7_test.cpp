// The general-data window: company block, currency, unit and the two ways
// out.
#include <QClipboard>
#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "entry_fixture.h"
#include "model/workbook_file.h"

namespace morvadel::test {
namespace {

class For7Test : public EntryFixture {
 protected:
  std::string FileText(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
};

TEST_F(For7Test, CaptionsAndCompanyGridInBothLanguages) {
  struct Case {
    int16_t language;
    const char* title;
    const char* command;
    const char* check;
    const char* currency;
    const char* values;
    const char* option0;
    const char* option1;
    const char* continueTip;
    const char* heading;
    const char* labels[5];
  } cases[] = {
      {kCroatian, "Osnove", "Opći podaci", "   Ispiši ime poduzeća na stranicama izvještaja", "Valuta", "Unos u",
       "           1.000", "    1,000.000", "", "Ova analiza opisuje financije za:",
       {"Poduzeće (Korisnik)", "Adresa linija 1.", "Adresa linija 2.", "Poštanski broj", "Grad"}},
      {kEnglish, "About", "General Data", "   Display the company name on the reporting sheets", "Currency",
       "Values", "       1,000x", "1,000,000x", " Continue ", "This analysis describes finances for:",
       {"Company name (Name)", "Business Address", "Address Line 2", "Zip Code", "City"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    // A block stored in the other language takes this window's language.
    if (c.language == kEnglish) FillCompanyLabelsHr(s->Company);
    else FillCompanyLabelsEn(s->Company);
    For7* f = General(c.language);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->window()->windowTitle(), "Morvadel");
    EXPECT_EQ(f->Label3->text(), QString::fromUtf8(c.title));
    EXPECT_EQ(f->Command1->text(), QString::fromUtf8(c.command));
    EXPECT_EQ(f->Check1->text(), QString::fromUtf8(c.check));
    EXPECT_EQ(f->Label1->text(), c.currency);
    EXPECT_EQ(f->Label2->text(), c.values);
    EXPECT_EQ(f->Option1[0]->text(), c.option0);
    EXPECT_EQ(f->Option1[1]->text(), c.option1);
    EXPECT_EQ(f->Picture1->toolTip(), c.continueTip);
    Grid* g = f->Tablica;
    EXPECT_EQ(g->Cols(), 2);
    EXPECT_EQ(g->Rows(), 6);
    EXPECT_EQ(g->FixedRows(), 1);
    EXPECT_EQ(g->FixedCols(), 1);
    EXPECT_EQ(g->RowHeight(0), 250);
    EXPECT_EQ(g->ColWidth(0), 2350);
    EXPECT_EQ(g->ColWidth(1), 4000);
    EXPECT_EQ(g->TextMatrix(0, 1), QString::fromUtf8(c.heading));
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(g->TextMatrix(r, 0), QString::fromUtf8(c.labels[r - 1]));
    EXPECT_EQ(s->Company(0, 1), Cell::Text(c.heading));
    EXPECT_EQ(s->Company(1, 0), Cell::Text(c.labels[0]));
  }
}

TEST_F(For7Test, LoadShowsTheSettings) {
  s->CurrencyName = "EUR";
  s->UnitIndex = 1;
  s->ShowCompany = 1;
  s->Company(1, 1) = Cell::Text("Tvornica d.d.");
  s->Company(5, 1) = Cell::Text("Zagreb");
  s->Company(0, 0) = Cell::Text("corner");
  For7* f = General(kCroatian);
  EXPECT_EQ(f->Ime1->text(), "EUR");
  // A click into the currency box selects its whole text.
  QTest::mouseClick(f->Ime1, Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_EQ(f->Ime1->selectedText(), "EUR");
  EXPECT_TRUE(f->Option1[1]->isChecked());
  EXPECT_FALSE(f->Option1[0]->isChecked());
  EXPECT_EQ(s->UnitText, "  ( x 1,000.000)");  // set by the load
  EXPECT_TRUE(f->Check1->isChecked());
  EXPECT_EQ(f->Tablica->TextMatrix(1, 1), "Tvornica d.d.");
  EXPECT_EQ(f->Tablica->TextMatrix(5, 1), "Zagreb");
  EXPECT_EQ(f->Tablica->TextMatrix(0, 0), "corner");
}

TEST_F(For7Test, UnitChoiceSetsUnitTextAtOnce) {
  struct Case {
    int16_t language;
    int option;
    const char* unitText;
  } cases[] = {
      {kCroatian, 1, "  ( x 1,000.000)"},
      {kCroatian, 0, "  ( x 1.000)"},
      {kEnglish, 1, "  ( x 1,000,000)"},
      {kEnglish, 0, "  ( x 1,000)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.language << " option " << c.option);
    s->UnitIndex = static_cast<int16_t>(1 - c.option);
    For7* f = General(c.language);
    QTest::mouseClick(f->Option1[c.option], Qt::LeftButton);
    EXPECT_EQ(s->UnitIndex, c.option);
    EXPECT_EQ(s->UnitText, c.unitText);
    // Kept whichever way the window is left.
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    EXPECT_EQ(Next()->id(), FormId::form8);
    EXPECT_EQ(s->UnitIndex, c.option);
    EXPECT_EQ(s->UnitText, c.unitText);
  }
}

TEST_F(For7Test, ACroatianLetterStartsTheEditInTheCompanyBlock) {
  For7* f = General(kCroatian);
  ASSERT_EQ(f->Tablica->Row(), 1);
  TypeIntoGrid(f->Tablica, f->tekst, "Ćevapi d.o.o.");
  Key(f->tekst, Qt::Key_Down);
  // The previous edit's text never starts the next one.
  TypeIntoGrid(f->Tablica, f->tekst, "ž");
  EXPECT_EQ(f->tekst->text(), "ž");
  TypeText(f->tekst, "upanijska 1");
  Key(f->tekst, Qt::Key_Return);
  TypeChar(f->Tablica, U'"');  // the quote opens an empty editor and is dropped
  EXPECT_EQ(f->tekst->text(), "");
  TypeText(f->tekst, "Trg \"bana\"");
  EXPECT_EQ(f->tekst->text(), "Trg bana");
  Key(f->tekst, Qt::Key_Escape);
  EXPECT_EQ(f->Tablica->TextMatrix(1, 1), "Ćevapi d.o.o.");
  EXPECT_EQ(f->Tablica->TextMatrix(2, 1), "županijska 1");
  QTest::mouseClick(f->Command1, Qt::LeftButton);
  EXPECT_EQ(s->Company(1, 1), Cell::Text("Ćevapi d.o.o."));
  EXPECT_EQ(s->Company(2, 1), Cell::Text("županijska 1"));
}

// Tab out of a company cell stores what was typed; clicking the cell again
// starts a fresh edit of it instead of typing on behind the old text.
TEST_F(For7Test, TabStoresTheEditAndTheNextClickStartsAfresh) {
  For7* f = General(kEnglish);
  f->Tablica->SetRow(5);
  TypeIntoGrid(f->Tablica, f->tekst, "USD");
  Key(f->tekst, Qt::Key_Tab);
  EXPECT_FALSE(f->Family()->EditorOpen());
  EXPECT_EQ(f->Tablica->TextMatrix(5, 1), "USD");
  EXPECT_NE(QApplication::focusWidget(), f->tekst);
  QTest::mouseClick(f->Tablica->viewport(), Qt::LeftButton, {}, CellCentre(*f->Tablica, 5, 1));
  ASSERT_TRUE(f->Family()->EditorOpen());
  TypeText(f->tekst, "Zagreb");
  Key(f->tekst, Qt::Key_Return);
  EXPECT_EQ(f->Tablica->TextMatrix(5, 1), "Zagreb");
}

TEST_F(For7Test, TypedTextKeepsItsCaseAndTheCurrencyBoxRefusesTheQuote) {
  For7* f = General(kEnglish);
  TypeIntoGrid(f->Tablica, f->tekst, "Acme ltd");
  Key(f->tekst, Qt::Key_Return);
  f->Ime1->setFocus();
  f->Ime1->clear();
  TypeText(f->Ime1, "Kuna \"kn\"");
  QGuiApplication::clipboard()->setText("\"");
  QTest::keyClick(f->Ime1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(f->Ime1->text(), "Kuna kn");
  QTest::mouseClick(f->Command1, Qt::LeftButton);
  EXPECT_EQ(s->Company(1, 1), Cell::Text("Acme ltd"));
  EXPECT_EQ(s->CurrencyName, "Kuna kn");
}

TEST_F(For7Test, GeneralDataStoresTheWindowAndOpensTheFirstSheet) {
  struct Case {
    int16_t language;
    const char* title;
  } cases[] = {{kCroatian, "Opći podaci"}, {kEnglish, "General Data"}};
  for (const auto& c : cases) {
    s->ShowCompany = 1;
    For7* f = General(c.language);
    f->Ime1->setText("");
    QTest::mouseClick(f->Check1, Qt::LeftButton);
    // An edit still open when the button is pressed is stored too.
    f->Tablica->SetRow(5);
    TypeIntoGrid(f->Tablica, f->tekst, "Split");
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    auto* sheet = dynamic_cast<Form8*>(Next());
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(s->Company(5, 1), Cell::Text("Split"));
    EXPECT_EQ(s->ShowCompany, 0);
    EXPECT_EQ(s->CurrencyName, "");
    EXPECT_EQ(s->GridCols, 7);
    EXPECT_EQ(s->GridRows, 14);
    EXPECT_EQ(s->GridFixedCols, 1);
    EXPECT_EQ(s->GridFixedRows, 1);
    EXPECT_EQ(s->ReportCode, 1);
    EXPECT_EQ(s->SectionBase, 100);
    EXPECT_EQ(s->ReportTitle, c.title);
  }
}

TEST_F(For7Test, ContinueRecalculatesAndSavesToTheWorkbooksOwnFile) {
  s->FileName = Path("own.eka");
  s->FileBacked = true;
  s->ItemTable(205, 1) = Cell::Text("100");
  s->ItemTable(206, 1) = Cell::Text("50");
  s->ShowCompany = 1;
  For7* f = General(kEnglish);
  QTest::mouseClick(f->Check1, Qt::LeftButton);
  TypeIntoGrid(f->Tablica, f->tekst, "Acme");  // still open when Continue is pressed
  QTest::mouseClick(f->Picture1, Qt::LeftButton);
  EXPECT_EQ(Next()->id(), FormId::Form2a);
  EXPECT_EQ(dialogs.saveCalls, 0);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(s->ShowCompany, 0);
  EXPECT_EQ(s->ItemTable(211, 1), Cell::Int32(150));
  auto back = std::make_unique<SharedState>();
  back->FileName = s->FileName;
  ASSERT_TRUE(CitajDatoteku(*back).ok());
  EXPECT_EQ(back->Company(1, 1), Cell::Text("Acme"));
  EXPECT_EQ(back->ShowCompany, 0);
  EXPECT_EQ(back->ItemTable(211, 1), Cell::FileNumber("150"));
}

TEST_F(For7Test, ContinueAsksForANameWhileTheWorkbookHasNoFileOfItsOwn) {
  // After New the name still points at the previous workbook's file.
  s->FileName = Path("previous.eka");
  {
    std::ofstream(s->FileName) << "previous workbook";
  }
  s->FileBacked = false;
  For7* f = General(kEnglish);
  TypeIntoGrid(f->Tablica, f->tekst, "New Co");
  Key(f->tekst, Qt::Key_Return);

  // Cancelled: nothing written, the window stays.
  QTest::mouseClick(f->Picture1, Qt::LeftButton);
  EXPECT_FALSE(nav->HasPending());
  EXPECT_EQ(nav->Current(), f);
  EXPECT_EQ(dialogs.saveCalls, 1);
  EXPECT_EQ(dialogs.filters.back(), "Datoteke (*.eka) |*.eka");
  EXPECT_EQ(s->FileName, Path("previous.eka"));
  EXPECT_FALSE(s->FileBacked);

  // A name that cannot be written: its message, the window stays.
  dialogs.saveAnswers.push_back(Path("missing/dir/new.eka"));
  QTest::mouseClick(f->Picture1, Qt::LeftButton);
  EXPECT_EQ(nav->Current(), f);
  EXPECT_FALSE(nav->HasPending());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(s->FileName, Path("previous.eka"));
  EXPECT_FALSE(s->FileBacked);

  dialogs.saveAnswers.push_back(Path("new.eka"));
  QTest::mouseClick(f->Picture1, Qt::LeftButton);
  EXPECT_EQ(Next()->id(), FormId::Form2a);
  EXPECT_EQ(s->FileName, Path("new.eka"));
  EXPECT_TRUE(s->FileBacked);
  EXPECT_EQ(FileText(Path("previous.eka")), "previous workbook");
  auto back = std::make_unique<SharedState>();
  back->FileName = Path("new.eka");
  ASSERT_TRUE(CitajDatoteku(*back).ok());
  EXPECT_EQ(back->Company(1, 1), Cell::Text("New Co"));

  // No name at all asks too.
  s->FileName.clear();
  s->FileBacked = false;
  f = General(kEnglish);
  dialogs.saveAnswers.push_back(Path("third.eka"));
  QTest::mouseClick(f->Picture1, Qt::LeftButton);
  EXPECT_EQ(Next()->id(), FormId::Form2a);
  EXPECT_EQ(s->FileName, Path("third.eka"));
}

TEST_F(For7Test, AFailedRecalculationKeepsTheWindowWithItsMessage) {
  s->FileName = Path("own.eka");
  s->FileBacked = true;
  s->ItemTable(205, 1) = Cell::Text("twelve");
  For7* f = General(kCroatian);
  QTest::mouseClick(f->Picture1, Qt::LeftButton);
  EXPECT_EQ(nav->Current(), f);
  EXPECT_FALSE(nav->HasPending());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_FALSE(dialogs.messages[0].text.empty());
  EXPECT_FALSE(std::filesystem::exists(s->FileName));
}

TEST_F(For7Test, TheCloseBoxStoresTheWindow) {
  For7* f = General(kEnglish);
  f->Tablica->SetRow(4);
  TypeIntoGrid(f->Tablica, f->tekst, "10000");
  f->close();
  EXPECT_EQ(Next()->id(), FormId::Form2a);
  EXPECT_EQ(s->Company(4, 1), Cell::Text("10000"));
}

TEST_F(For7Test, Screenshots) {
  const char* out = std::getenv("MORVADEL_SCREENSHOTS");
  if (!out) GTEST_SKIP() << "set MORVADEL_SCREENSHOTS to a folder to take them";
  s->CurrencyName = "EUR";
  s->ShowCompany = 1;
  s->Company(1, 1) = Cell::Text("Čelik d.d.");
  s->Company(2, 1) = Cell::Text("Ulica grada Vukovara 12");
  s->Company(4, 1) = Cell::Text("10000");
  s->Company(5, 1) = Cell::Text("Zagreb");
  for (int16_t language : {kCroatian, kEnglish}) {
    For7* f = General(language);
    f->Tablica->SetRow(3);
    TypeIntoGrid(f->Tablica, f->tekst, "Trešnjevka");
    QApplication::processEvents();
    const QString name = QString("%1/for7_%2.png").arg(out).arg(language == kCroatian ? "hr" : "en");
    EXPECT_TRUE(f->grab().save(name));
  }
}

}  // namespace
}  // namespace morvadel::test
