// The currency-conversion and inflation-adjustment windows: captions and
// defaults, the keys, OK, back and every refusal.
#include <QApplication>
#include <QClipboard>
#include <cstdlib>
#include <fstream>
#include <functional>

#include "entry/for20.h"
#include "entry/for21.h"
#include "batch_input.h"
#include "entry_fixture.h"
#include "model/conversion.h"

namespace morvadel::test {
namespace {

class RestateWindowsTest : public EntryFixture {
 protected:
  void SetUp() override {
    EntryFixture::SetUp();
    s->FileName = Path("firm.eka");
    s->FileBacked = true;
    s->CurrencyName = "HRK";
    s->DecimalMark = '.';
  }

  For20* Conversion(int16_t language = kEnglish) {
    s->Language = language;
    return Show<For20>(FormId::For20);
  }
  For21* Inflation(int16_t language = kEnglish) {
    s->Language = language;
    return Show<For21>(FormId::For21);
  }
  // Either window, and the new file it offers by default.
  RestateForm* Restate(FormId window, int16_t language = kEnglish) {
    return window == FormId::For20 ? static_cast<RestateForm*>(Conversion(language))
                                   : static_cast<RestateForm*>(Inflation(language));
  }
  std::string DefaultNewFile(FormId window) const {
    return Path(window == FormId::For20 ? "firm-conv.eka" : "firm-infl.eka");
  }
  // What OK or back must leave alone when they refuse or go back.
  struct Snapshot {
    ItemTableT table;
    Table<Currency, 1651, 17> work;
    std::string fileName, currency;
    Currency rate;
    bool backed;
  };
  Snapshot Take() const {
    return {s->ItemTable, s->ConvWork, s->FileName, s->CurrencyName, s->ExchangeRate, s->FileBacked};
  }
  void ExpectUnchanged(const Snapshot& before) const {
    for (int r = 0; r <= 30; ++r)
      for (int c = 0; c <= 16; ++c) {
        ASSERT_EQ(s->ItemTable(r, c), before.table(r, c)) << r << "," << c;
        ASSERT_EQ(s->ConvWork(r, c), before.work(r, c)) << r << "," << c;
      }
    EXPECT_EQ(s->FileName, before.fileName);
    EXPECT_EQ(s->CurrencyName, before.currency);
    EXPECT_EQ(s->ExchangeRate, before.rate);
    EXPECT_EQ(s->FileBacked, before.backed);
  }
  void ExpectStays(Form* f) {
    EXPECT_EQ(nav->Current(), f);
    EXPECT_FALSE(nav->HasPending());
  }
  // OK on a new file name that is refused: the window stays, nothing
  // changes and nothing is asked; returns the one message shown.
  std::string RefusedAtOk(RestateForm* f) {
    const Snapshot before = Take();
    dialogs.messages.clear();
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    ExpectStays(f);
    ExpectUnchanged(before);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    return dialogs.messages.empty() ? "" : dialogs.messages.back().text;
  }
  static Cell Whole(int64_t v) { return Cell::Money(Currency::FromWhole(v)); }
};

TEST_F(RestateWindowsTest, ConversionCaptionsAndDefaultsInBothLanguages) {
  struct Case {
    int16_t language;
    char mark;
    const char* labels[4];
    const char* rate;
  } cases[] = {
      {kCroatian, ',', {"Iz valute", "konvertirati u valutu", "po tečaju za 1", "Snimi file"}, "1,0000"},
      {kEnglish, '.', {"Original currency", "Converted currency", "Exchange rate per unit", "Save As"}, "1.0000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    s->DecimalMark = c.mark;
    For20* f = Conversion(c.language);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->window()->windowTitle(), "Morvadel");
    EXPECT_EQ(f->Label1->text(), QString::fromUtf8(c.labels[0]));
    EXPECT_EQ(f->Label2->text(), QString::fromUtf8(c.labels[1]));
    EXPECT_EQ(f->Label3->text(), QString::fromUtf8(c.labels[2]));
    EXPECT_EQ(f->Label4->text(), QString::fromUtf8(c.labels[3]));
    EXPECT_EQ(f->Ime1->text(), "HRK");
    EXPECT_EQ(f->Text1->text(), "HRK");
    EXPECT_EQ(f->Text2->text(), c.rate);
    EXPECT_EQ(f->Text3->text(), "firm-conv");
    // The field with the focus has its whole text selected; the others
    // select theirs when Enter reaches them.
    EXPECT_EQ(QApplication::focusWidget(), f->Text1);
    EXPECT_EQ(f->Text1->selectedText(), "HRK");
  }
}

TEST_F(RestateWindowsTest, InflationCaptionsDefaultsAndBasePeriod) {
  struct Case {
    int16_t language;
    const char* heading;
    const char* save;
  } cases[] = {{kCroatian, "Bazni period                     Postotak", "Snimi file"},
               {kEnglish, "Base Period                    Percentage", "Save As"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    For21* f = Inflation(c.language);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->window()->windowTitle(), "Morvadel");
    EXPECT_EQ(f->Label1->text(), "Inflation Adjustment");
    EXPECT_EQ(f->Label2->text(), c.heading);
    EXPECT_EQ(f->Label4->text(), c.save);
    EXPECT_EQ(f->Text3->text(), "firm-infl");
    EXPECT_TRUE(f->Option1[0]->isChecked());
    for (int i = 6; i <= 11; ++i) {
      EXPECT_EQ(f->Posto1[i]->text(), "100");
      EXPECT_EQ(f->Posto1[i]->isEnabled(), i != 6);
    }
    EXPECT_EQ(QApplication::focusWidget(), f->Posto1[7]);
    EXPECT_EQ(f->Posto1[7]->selectedText(), "100");
  }
  // Base period III: its box is locked at 100, the others open with their texts.
  For21* f = Inflation();
  f->Posto1[7]->setText("120");
  f->Posto1[8]->setText("55");
  QTest::mouseClick(f->Option1[2], Qt::LeftButton);
  for (int i = 6; i <= 11; ++i) EXPECT_EQ(f->Posto1[i]->isEnabled(), i != 8);
  EXPECT_EQ(f->Posto1[6]->text(), "100");
  EXPECT_EQ(f->Posto1[7]->text(), "120");
  EXPECT_EQ(f->Posto1[8]->text(), "100");
}

TEST_F(RestateWindowsTest, EnterMovesToTheNextField) {
  For20* f = Conversion();
  ASSERT_EQ(QApplication::focusWidget(), f->Text1);
  Key(f->Text1, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), f->Text2);
  EXPECT_EQ(f->Text2->selectedText(), f->Text2->text());
  Key(f->Text2, Qt::Key_Enter);
  EXPECT_EQ(QApplication::focusWidget(), f->Text3);
  EXPECT_EQ(f->Text3->selectedText(), "firm-conv");
  EXPECT_EQ(nav->Current(), f);  // Enter never confirms

  For21* g = Inflation();
  QTest::mouseClick(g->Option1[3], Qt::LeftButton);  // base IV: its box is skipped
  g->Posto1[6]->setFocus();
  std::vector<QWidget*> order;
  for (int k = 0; k < 5; ++k) {
    Key(QApplication::focusWidget(), Qt::Key_Return);
    order.push_back(QApplication::focusWidget());
  }
  EXPECT_EQ(order, (std::vector<QWidget*>{g->Posto1[7], g->Posto1[8], g->Posto1[10], g->Posto1[11], g->Text3}));
  EXPECT_EQ(g->Text3->selectedText(), "firm-infl");
  EXPECT_EQ(nav->Current(), g);
}

TEST_F(RestateWindowsTest, TheNewCurrencyIsTypedInCapitals) {
  s->ItemTable(3, 1) = Cell::Text("10");
  For20* f = Conversion();
  TypeText(f->Text1, QString::fromUtf8("eur čć"));
  EXPECT_EQ(f->Text1->text(), QString::fromUtf8("EUR ČĆ"));
  TypeText(f->Text1, "\"x");  // the file cannot store the quote
  QGuiApplication::clipboard()->setText("usd");
  QTest::keyClick(f->Text1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(f->Text1->text(), QString::fromUtf8("EUR ČĆXUSD"));
  QTest::mouseClick(f->Command2, Qt::LeftButton);
  EXPECT_EQ(Next()->id(), FormId::Form2a);
  EXPECT_EQ(s->CurrencyName, "EUR ČĆXUSD");
}

TEST_F(RestateWindowsTest, OkConvertsRenamesAndHandsTheNewFileToTheMainWindow) {
  s->ItemTable(3, 1) = Cell::Text("1234");
  s->ItemTable(4, 2) = Cell::Text("3");
  s->ItemTable(5, 3) = Cell::Text("-3");
  s->ItemTable(205, 1) = Cell::Text("77");
  s->DecimalMark = ',';
  For20* f = Conversion(kCroatian);
  f->Text1->setText("EUR");
  f->Text2->setText("7,5");
  QTest::mouseClick(f->Command2, Qt::LeftButton);
  auto* main = dynamic_cast<Form2a*>(Next());
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(s->ItemTable(3, 1), Whole(9255));
  EXPECT_EQ(s->ItemTable(4, 2), Whole(23));   // 22.5 rounds half up
  EXPECT_EQ(s->ItemTable(5, 3), Whole(-22));  // -22.5 rounds half up
  EXPECT_EQ(s->ItemTable(3, 2), Whole(0));
  EXPECT_EQ(s->ItemTable(205, 1), Cell::Text("77"));  // statements are not converted
  EXPECT_EQ(s->CurrencyName, "EUR");
  EXPECT_EQ(s->ExchangeRate, Currency::FromRaw(75000));
  EXPECT_EQ(s->FileName, Path("firm-conv.eka"));
  EXPECT_TRUE(s->FileBacked);
  EXPECT_EQ(main->Text1->text().toStdString(), Path("firm-conv.eka"));
  EXPECT_TRUE(main->Command81->isEnabled());
  EXPECT_TRUE(main->Command82->isEnabled());
  // Nothing is written until the user saves.
  EXPECT_FALSE(std::filesystem::exists(Path("firm-conv.eka")));

  // The inflation window restates the converted values against base III.
  QTest::mouseClick(main->Command82, Qt::LeftButton);
  auto* g = dynamic_cast<For21*>(Next());
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->Text3->text(), "firm-conv-infl");
  QTest::mouseClick(g->Option1[2], Qt::LeftButton);
  g->Posto1[6]->setText("50");
  g->Posto1[7]->setText("110,5");
  g->Text3->setText("real");
  QTest::mouseClick(g->Command2, Qt::LeftButton);
  EXPECT_EQ(Next()->id(), FormId::Form2a);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(s->ItemTable(3, 1), Whole(4628));  // 4627.5 rounds half up
  EXPECT_EQ(s->ItemTable(4, 2), Whole(25));    // 23 at 110.5 % is 25.415
  EXPECT_EQ(s->ItemTable(5, 3), Whole(-22));   // the base period stays
  EXPECT_EQ(s->CurrencyName, "EUR");
  EXPECT_EQ(s->FileName, Path("real.eka"));
}

// OK clicked twice so quickly that both clicks come in one batch: the
// workbook is converted once, and the second click, aimed at a window that
// has already handed the new file to the main window, is dropped.
TEST_F(RestateWindowsTest, ASecondOkQueuedBehindTheFirstIsDropped) {
  s->ItemTable(3, 1) = Cell::Text("1000");
  For20* f = Conversion();
  f->Text1->setText("EUR");
  f->Text2->setText("7.5");
  InputBatch().Click(f->Command2).Click(f->Command2).Deliver();
  EXPECT_TRUE(dialogs.messages.empty());
  ASSERT_NE(nav->Current(), nullptr);
  EXPECT_EQ(nav->Current()->id(), FormId::Form2a);
  EXPECT_EQ(s->ItemTable(3, 1), Whole(7500));
  EXPECT_EQ(s->FileName, Path("firm-conv.eka"));
}

// Each window's public calculation: the restated summary, with the workbook
// untouched until OK takes it.
TEST_F(RestateWindowsTest, RacunajComputesWithoutChangingTheWorkbook) {
  s->ItemTable(3, 1) = Cell::Text("3");
  s->ItemTable(4, 2) = Cell::Text("1000");
  const Snapshot before = Take();
  const Restatement converted = Conversion()->Racunaj(Currency::FromRaw(5000));  // 0.5
  ASSERT_TRUE(converted.error.ok());
  EXPECT_EQ(converted.values(3, 1), Currency::FromWhole(2));  // 1.5 rounds half up
  EXPECT_EQ(converted.values(4, 2), Currency::FromWhole(500));
  ExpectUnchanged(before);
  Percentages percent;
  percent.fill(100'000'000'000);  // 100 %
  percent[1] = 110'000'000'000;   // period II at 110 %
  const Restatement adjusted = Inflation()->Racunaj(percent);
  ASSERT_TRUE(adjusted.error.ok());
  EXPECT_EQ(adjusted.values(3, 1), Currency::FromWhole(3));
  EXPECT_EQ(adjusted.values(4, 2), Currency::FromWhole(1100));
  ExpectUnchanged(before);
  s->ItemTable(5, 3) = Cell::Text("abc");
  const Restatement refused = Conversion()->Racunaj(Currency::FromWhole(1));
  EXPECT_EQ(refused.error.kind, RestateError::Kind::NotNumber);
  EXPECT_EQ(refused.error.row, 5);
  EXPECT_EQ(refused.error.period, 3);
}

TEST_F(RestateWindowsTest, RefusalsKeepTheWindowAndChangeNothing) {
  using Setup = std::function<void(SharedState&, RestateForm&)>;
  using Field = std::function<QLineEdit*(RestateForm&)>;  // the field to mend
  struct Refusal {
    Setup setup;
    Field field;
  };
  auto rate = [](const char* text) -> Refusal {
    auto box = [](RestateForm& f) { return static_cast<For20&>(f).Text2; };
    return {[text, box](SharedState&, RestateForm& f) { box(f)->setText(text); }, box};
  };
  auto percent = [](int index, const char* text) -> Refusal {
    auto box = [index](RestateForm& f) { return static_cast<For21&>(f).Posto1[static_cast<size_t>(index)]; };
    return {[text, box](SharedState&, RestateForm& f) { box(f)->setText(text); }, box};
  };
  auto stem = [](const char* text) -> Refusal {
    return {[text](SharedState&, RestateForm& f) { f.Text3->setText(text); },
            [](RestateForm& f) { return f.Text3; }};
  };
  auto cell = [](int row, int col, const char* text) -> Refusal {
    return {[row, col, text](SharedState& st, RestateForm&) { st.ItemTable(row, col) = Cell::Text(text); },
            nullptr};
  };
  struct Case {
    FormId window;
    Refusal refusal;
    const char* message;
  } cases[] = {
      {FormId::For20, rate("abc"), "Exchange rate per unit: \"abc\" is not a positive number. Nothing was changed."},
      {FormId::For20, rate(""), "Exchange rate per unit: \"\" is not a positive number. Nothing was changed."},
      {FormId::For20, rate("0"), "Exchange rate per unit: \"0\" is not a positive number. Nothing was changed."},
      {FormId::For20, rate("-2"), "Exchange rate per unit: \"-2\" is not a positive number. Nothing was changed."},
      {FormId::For20, rate("0.00004"),
       "Exchange rate per unit: \"0.00004\" is below the smallest rate the program holds (0.0001). "
       "Nothing was changed."},
      {FormId::For20, rate("1000000000000000"),
       "Exchange rate per unit: \"1000000000000000\" is larger than the program holds (at most 922337203685477). "
       "Nothing was changed."},
      {FormId::For21, percent(9, "10000000000"),
       "Percentage of period IV: \"10000000000\" is larger than the program holds (at most 9223372036). "
       "Nothing was changed."},
      {FormId::For21, percent(9, "-5"),
       "Percentage of period IV: \"-5\" is not a number of zero or more. Nothing was changed."},
      {FormId::For21, percent(11, "x"),
       "Percentage of period VI: \"x\" is not a number of zero or more. Nothing was changed."},
      {FormId::For21, percent(7, " "),
       "Percentage of period II: \" \" is not a number of zero or more. Nothing was changed."},
      {FormId::For20, cell(14, 3, "abc"),
       "Depreciation, period III: the entry \"abc\" is not a number. Nothing was changed."},
      {FormId::For21, cell(14, 3, "abc"),
       "Depreciation, period III: the entry \"abc\" is not a number. Nothing was changed."},
      {FormId::For20, cell(27, 6, "500000000000000"),
       "Retained earnings, period VI: the amount is outside the allowed range (-922337203685477 to 922337203685477). "
       "Nothing was changed."},
      {FormId::For20, stem(""), "Please type a name for the new file (Save As). Nothing was changed."},
      {FormId::For21, stem("   "), "Please type a name for the new file (Save As). Nothing was changed."},
      {FormId::For20, stem(".eka"), "Please type a name for the new file (Save As). Nothing was changed."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    SetUp();
    for (int r = 3; r <= 27; ++r)
      for (int col = 1; col <= 6; ++col) s->ItemTable(r, col) = Cell::Text(std::to_string(r * 10 + col));
    s->ConvWork(3, 1) = Currency::FromWhole(99);
    RestateForm* f = Restate(c.window);
    ASSERT_NE(f, nullptr);
    if (c.window == FormId::For20) static_cast<For20*>(f)->Text2->setText("2");
    if (c.window == FormId::For21) static_cast<For21*>(f)->Posto1[7]->setText("200");
    c.refusal.setup(*s, *f);
    const Snapshot before = Take();
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    ExpectStays(f);
    ExpectUnchanged(before);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, c.message);
    EXPECT_EQ(dialogs.messages[0].title, "Morvadel");
    EXPECT_TRUE(dialogs.questions.empty());
    if (c.refusal.field) {
      EXPECT_EQ(QApplication::focusWidget(), c.refusal.field(*f));
    }
    dialogs.messages.clear();
    TearDown();
  }
}

TEST_F(RestateWindowsTest, CroatianRefusalsSpeakCroatian) {
  s->ItemTable(9, 2) = Cell::Text("dvanaest");
  For20* f = Conversion(kCroatian);
  f->Text2->setText("x");
  QTest::mouseClick(f->Command2, Qt::LeftButton);
  f->Text2->setText("1.5");
  QTest::mouseClick(f->Command2, Qt::LeftButton);
  f->Text3->setText("");
  QTest::mouseClick(f->Command2, Qt::LeftButton);
  ExpectStays(f);
  ASSERT_EQ(dialogs.messages.size(), 3u);
  EXPECT_EQ(dialogs.messages[0].text, "Tečaj: \"x\" nije pozitivan broj. Ništa nije promijenjeno.");
  EXPECT_EQ(dialogs.messages[1].text,
            "Tekuće obveze, razdoblje II: upisani tekst \"dvanaest\" nije broj. Ništa nije promijenjeno.");
  EXPECT_EQ(dialogs.messages[2].text, "Upišite ime nove datoteke (Snimi file). Ništa nije promijenjeno.");
  // The smallest rate is written with the run's decimal mark.
  s->DecimalMark = ',';
  f->Text2->setText("0,00004");
  f->Text3->setText("nova");
  QTest::mouseClick(f->Command2, Qt::LeftButton);
  ExpectStays(f);
  ASSERT_EQ(dialogs.messages.size(), 4u);
  EXPECT_EQ(dialogs.messages[3].text,
            "Tečaj: \"0,00004\" je manji od najmanjeg koji program prima (najmanje 0,0001). Ništa nije promijenjeno.");
}

TEST_F(RestateWindowsTest, AnExistingFileIsTakenOnlyWhenTheUserAgrees) {
  {
    std::ofstream(Path("firm-conv.eka")) << "older workbook";
    std::ofstream(Path("firm-infl.eka")) << "older workbook";
  }
  s->ItemTable(3, 1) = Cell::Text("10");
  for (FormId window : {FormId::For20, FormId::For21}) {
    SCOPED_TRACE(window == FormId::For20 ? "conversion" : "inflation");
    const std::string path = DefaultNewFile(window);
    RestateForm* f = Restate(window);
    const Snapshot before = Take();
    dialogs.yesNoAnswers = {false};
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    ExpectStays(f);
    ExpectUnchanged(before);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text,
              "The file \"" + path + "\" already exists. Saving will replace it. Use this name?");
    EXPECT_EQ(dialogs.questions[0].icon, MsgIcon::Question);

    dialogs.yesNoAnswers = {true};
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    EXPECT_EQ(Next()->id(), FormId::Form2a);
    EXPECT_EQ(s->FileName, path);
    EXPECT_EQ(s->ItemTable(3, 1), Whole(10));
    dialogs.questions.clear();
    s->FileName = Path("firm.eka");
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

// The restated workbook is always a new file: a name that is the open
// workbook's own file, by any spelling or link, is refused at OK.
TEST_F(RestateWindowsTest, TheOpenWorkbooksOwnFileIsRefusedByAnyName) {
  namespace fs = std::filesystem;
  const std::string folder = dir.filename().string();
  fs::create_directory_symlink(dir, Path("alias"));
  struct Case {
    const char* typed;
    bool saved;  // the open workbook's file exists
  } cases[] = {
      {"firm", true},       {"firm.eka", true},      {"./firm", true},       {"sub/../firm", true},
      {"link", true},       {"hard", true},          {"alias/firm", true},   {"../FOLDER/firm", true},
      {"ABSOLUTE", true},   {"./firm", false},       {"link", false},        {"alias/./firm.eka", false},
  };
  s->ItemTable(3, 1) = Cell::Text("10");
  for (const Case& c : cases)
    for (FormId window : {FormId::For20, FormId::For21})
      for (int16_t language : {kCroatian, kEnglish}) {
        std::string typed = c.typed;
        if (typed == "ABSOLUTE") typed = Path("firm");
        if (typed.find("FOLDER") != std::string::npos) typed.replace(typed.find("FOLDER"), 6, folder);
        SCOPED_TRACE(typed + (c.saved ? " (saved)" : " (not saved)") + (window == FormId::For20 ? " conversion" : " inflation") +
                     (language == kCroatian ? " hr" : " en"));
        fs::remove(Path("firm.eka"));
        fs::remove(Path("link.eka"));
        fs::remove(Path("hard.eka"));
        fs::create_directories(Path("sub"));
        fs::create_symlink("firm.eka", Path("link.eka"));
        if (c.saved) {
          std::ofstream(Path("firm.eka")) << "the original workbook";
          fs::create_hard_link(Path("firm.eka"), Path("hard.eka"));
        }
        s->FileName = Path("firm.eka");
        s->FileBacked = c.saved;
        RestateForm* f = Restate(window, language);
        ASSERT_NE(f, nullptr);
        f->Text3->setText(QString::fromStdString(typed));
        const std::string named = RestatedFilePath(s->FileName, typed).value_or("");
        EXPECT_EQ(RefusedAtOk(f),
                  language == kCroatian
                      ? "Datoteka \"" + named +
                            "\" je upravo otvorena radna knjiga. Nova radna knjiga sprema se u novu datoteku: "
                            "upišite drugo ime (Snimi file). Ništa nije promijenjeno."
                      : "The file \"" + named +
                            "\" is the open workbook itself. The new workbook is saved as a new file: please type "
                            "another name (Save As). Nothing was changed.");
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_EQ(dialogs.messages.back().icon, MsgIcon::Warning);
        EXPECT_EQ(QApplication::focusWidget(), f->Text3);
        EXPECT_EQ(f->Text3->selectedText().toStdString(), typed);
      }
  // Beside it, other names are new files as before, and a different file of
  // the same name elsewhere is only an existing file.
  fs::create_directories(Path("other"));
  std::ofstream(Path("other/firm.eka")) << "another workbook";
  for (const char* typed : {"firm2", "other/firm"}) {
    SCOPED_TRACE(typed);
    s->FileName = Path("firm.eka");
    dialogs.messages.clear();
    dialogs.questions.clear();
    dialogs.yesNoAnswers = {true};
    For20* f = Conversion();
    f->Text3->setText(typed);
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    EXPECT_EQ(Next()->id(), FormId::Form2a);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(s->FileName, Path(typed) + ".eka");
  }
  EXPECT_EQ(dialogs.questions.size(), 1u);  // the existing other/firm.eka
}

TEST_F(RestateWindowsTest, AFolderOfThatNameIsRefused) {
  std::filesystem::create_directory(Path("firm-conv.eka"));
  std::filesystem::create_directory(Path("firm-infl.eka"));
  s->ItemTable(3, 1) = Cell::Text("10");
  for (FormId window : {FormId::For20, FormId::For21}) {
    SCOPED_TRACE(window == FormId::For20 ? "conversion" : "inflation");
    const std::string path = DefaultNewFile(window);
    EXPECT_EQ(RefusedAtOk(Restate(window)), path + " is a folder, not a workbook file.");
  }
}

TEST_F(RestateWindowsTest, BackChangesNothing) {
  s->ItemTable(3, 1) = Cell::Text("1234");
  s->ExchangeRate = Currency::FromRaw(12345);
  s->ConvWork(3, 1) = Currency::FromWhole(4);
  const Snapshot before = Take();
  For20* f = Conversion();
  f->Text1->setText("USD");
  f->Text2->setText("3");
  f->Text3->setText("other");
  QTest::mouseClick(f->Picture1, Qt::LeftButton);
  EXPECT_EQ(Next()->id(), FormId::Form2a);
  ExpectUnchanged(before);

  For21* g = Inflation(kCroatian);
  QTest::mouseClick(g->Option1[4], Qt::LeftButton);
  g->Posto1[6]->setText("300");
  g->Text3->setText("other");
  QTest::mouseClick(g->Picture1, Qt::LeftButton);
  EXPECT_EQ(Next()->id(), FormId::Form2a);
  ExpectUnchanged(before);
  // The close box goes back the same way.
  g = Inflation();
  g->Posto1[7]->setText("300");
  g->close();
  EXPECT_EQ(Next()->id(), FormId::Form2a);
  ExpectUnchanged(before);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(RestateWindowsTest, Screenshots) {
  const char* out = std::getenv("MORVADEL_SCREENSHOTS");
  if (!out) GTEST_SKIP() << "set MORVADEL_SCREENSHOTS to a folder to take them";
  s->CurrencyName = "HRK";
  for (int16_t language : {kCroatian, kEnglish}) {
    const char* tag = language == kCroatian ? "hr" : "en";
    For20* f = Conversion(language);
    QApplication::processEvents();
    EXPECT_TRUE(f->grab().save(QString("%1/for20_%2.png").arg(out).arg(tag)));
    For21* g = Inflation(language);
    QTest::mouseClick(g->Option1[2], Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(g->grab().save(QString("%1/for21_%2.png").arg(out).arg(tag)));
  }
}

}  // namespace
}  // namespace morvadel::test
