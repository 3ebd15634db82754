#include <unistd.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <utility>
#include <vector>

#include "model/labels.h"
#include "model/workbook_file.h"
#include "output/document_preview.h"
#include "platform/dialogs.h"
#include "platform/navigator.h"
#include "platform/workbook_save.h"
#include "shell/form1.h"
#include "shell/form2a.h"
#include "batch_input.h"
#include "test_app.h"

namespace morvadel {
namespace {

namespace fs = std::filesystem;

// A stand-in for the windows other parts of the program provide.
class DummyForm : public Form {
 public:
  DummyForm(AppContext& ctx, FormId id) : Form(ctx, id) {}
  void Form_Load() override { ++loads; }
  static inline int loads = 0;
};

// A window of a given size whose content may grow.
class SizedForm : public Form {
 public:
  SizedForm(AppContext& ctx, FormId id, QSize size, bool grows) : Form(ctx, id) {
    auto* layout = new QVBoxLayout(this);
    auto* content = new QWidget(this);
    content->setMinimumSize(size);
    layout->addWidget(content);
    SetGrows(grows);
  }
  void Form_Load() override {
    // As a message box shown by a load does.
    if (eventsDuringLoad) QApplication::processEvents();
  }
  static inline bool eventsDuringLoad = false;
};

// A window whose handlers wait on a dialog and then go on with their
// window, and whose load may run a step of the test.
class WaitingForm : public Form {
 public:
  WaitingForm(AppContext& ctx, FormId id) : Form(ctx, id) {}
  void Form_Load() override {
    QPointer<Form> self(this);
    loaded = this;
    if (onLoad) onLoad(ctx_);
    loadKeptItsWindow = !self.isNull();
  }
  // Runs `dialog`, then goes on with its window as a handler would.
  void Handle(const std::function<void(Dialogs&)>& dialog) {
    QPointer<Form> self(this);
    dialog(ctx_.dialogs);
    handlerKeptItsWindow = !self.isNull();
    if (self) setProperty("handled", true);
  }
  static inline std::function<void(AppContext&)> onLoad;
  static inline bool loadKeptItsWindow = false;
  static inline QPointer<Form> loaded;
  static inline bool handlerKeptItsWindow = false;
};

// Answers the next modal dialog from inside its own event loop: `whileUp`
// runs once the dialog is up, and the dialog is rejected a few turns of its
// loop later, time enough for anything queued meanwhile to be delivered.
class DialogCloser : public QObject {
 public:
  explicit DialogCloser(std::function<void()> whileUp = {}) : whileUp_(std::move(whileUp)) {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (!ran_) {
        ran_ = true;
        if (whileUp_) whileUp_();
        return;
      }
      timer_.stop();
      closed = true;
      dialog->done(QDialog::Rejected);
    });
    timer_.start();
  }
  bool closed = false;

 private:
  std::function<void()> whileUp_;
  QTimer timer_;
  bool ran_ = false;
};

class ShellTest : public ::testing::Test, protected test::TestApp {
 protected:
  void SetUp() override {
    Reset({RegisterShellForms});
    dir = fs::temp_directory_path() /
          ("morvadel_shell_" + std::to_string(::getpid()) + "_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  void RegisterDummy(FormId id) {
    nav->Register(id, [id](AppContext& c) { return std::make_unique<DummyForm>(c, id); });
  }
  void RegisterSized(FormId id, QSize size, bool grows) {
    nav->Register(id, [=](AppContext& c) { return std::make_unique<SizedForm>(c, id, size, grows); });
  }
  Form* Go(FormId id) {
    nav->Show(id);
    nav->ProcessPending();
    return nav->Current();
  }
  void RegisterAllTargets() {
    for (FormId id : {FormId::form8, FormId::Form11, FormId::form50, FormId::Form16, FormId::For20, FormId::For21})
      RegisterDummy(id);
  }
  Form2a* Main(int16_t language = kEnglish) {
    s->Language = language;
    nav->Show(FormId::Form2a);
    nav->ProcessPending();
    return dynamic_cast<Form2a*>(nav->Current());
  }
  std::string Path(const char* name) const { return (dir / name).string(); }
  std::string Saved(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  void WriteWorkbook(const std::string& path, const char* cell11) {
    auto t = std::make_unique<SharedState>();
    t->ItemTable(1, 1) = Cell::Text(cell11);
    t->ItemTable(205, 1) = Cell::Text("100");
    t->FileName = path;
    ASSERT_TRUE(SaveDataFile(*t).ok());
  }

  fs::path dir;
};

TEST_F(ShellTest, LanguageChoiceLoadsTheSummaryLabelsAndShowsTheMainWindow) {
  struct Case {
    bool croatian;
    int16_t language;
    const char* firstLabel;
  } cases[] = {{true, kCroatian, "Razdoblje"}, {false, kEnglish, "Period"}};
  for (const auto& c : cases) {
    SetUp();
    nav->Show(FormId::Form1);
    nav->ProcessPending();
    auto* f1 = dynamic_cast<Form1*>(nav->Current());
    ASSERT_NE(f1, nullptr);
    EXPECT_EQ(f1->Picture6->toolTip(), " Program na hrvatskom jezku ");
    EXPECT_EQ(f1->Picture4->toolTip(), " Enter ");
    QTest::mouseClick(c.croatian ? f1->Picture6 : f1->Picture4, Qt::LeftButton);
    nav->ProcessPending();
    EXPECT_EQ(s->Language, c.language);
    EXPECT_EQ(s->ItemTable(1, 0).text(), c.firstLabel);
    EXPECT_NE(dynamic_cast<Form2a*>(nav->Current()), nullptr);
    TearDown();
  }
}

// Both languages clicked so quickly that both clicks come in one batch: the
// first choice holds for the whole run, its labels, its main window and the
// language of Qt's own dialog buttons alike.
TEST_F(ShellTest, TheFirstLanguageChosenHoldsWhenBothAreClickedInOneBatch) {
  struct Case {
    bool croatianFirst;
    int16_t language;
    const char* firstLabel;
    const char* status;
  } cases[] = {{true, kCroatian, "Razdoblje", "Molim otvorite datoteku!"},
               {false, kEnglish, "Period", "Open file, please !"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.firstLabel);
    Reset({RegisterShellForms});
    Form1* f1 = dynamic_cast<Form1*>(Go(FormId::Form1));
    ASSERT_NE(f1, nullptr);
    test::InputBatch()
        .Click(c.croatianFirst ? f1->Picture6 : f1->Picture4)
        .Click(c.croatianFirst ? f1->Picture4 : f1->Picture6)
        .Deliver();
    EXPECT_EQ(s->Language, c.language);
    EXPECT_EQ(s->ItemTable(1, 0).text(), c.firstLabel);
    auto* m = dynamic_cast<Form2a*>(nav->Current());
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Text1->text().toStdString(), c.status);
  }
}

TEST_F(ShellTest, FirstShowingWithoutFileDisablesTheAnalysisCommands) {
  RegisterAllTargets();
  struct Case {
    int16_t language;
    const char* status;
  } cases[] = {{kCroatian, "Molim otvorite datoteku!"}, {kEnglish, "Open file, please !"}};
  for (const auto& c : cases) {
    Form2a* m = Main(c.language);
    for (QWidget* w : std::initializer_list<QWidget*>{m->Command1, m->Command3, m->Command4, m->Command81,
                                                      m->Command82, m->Picture5, m->Picture6, m->Picture7})
      EXPECT_FALSE(w->isEnabled());
    EXPECT_TRUE(m->Command7->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{m->Picture2, m->Picture9, m->Picture10, m->Picture11,
                                                      m->Picture8})
      EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(m->Text1->text(), c.status);
    EXPECT_EQ(m->Text1->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(m->window()->windowTitle(), "Morvadel");
  }
}

TEST_F(ShellTest, CaptionsAndTooltipsInBothLanguages) {
  Form2a* m = Main(kCroatian);
  EXPECT_EQ(m->Command3->text(), "Strukturna financijska izvješća");
  EXPECT_EQ(m->Command4->text(), "Grafički prikaz vrijednosti iz izvješća ");
  EXPECT_EQ(m->Frame2->title(), "Usporedba po");
  EXPECT_EQ(m->Frame1->title(), "File");
  m = Main(kEnglish);
  EXPECT_EQ(m->Command1->text(), "Financial Ratios");
  EXPECT_EQ(m->Command3->text(), "Common Size Statements ");
  EXPECT_EQ(m->Command4->text(), "Financial Statement Value Graphs");
  EXPECT_EQ(m->Command7->text(), "Data Entry");
  EXPECT_EQ(m->Command81->text(), "Foreign Currency Conversion");
  EXPECT_EQ(m->Command82->text(), "Inflation Adjustment");
  EXPECT_EQ(m->Frame2->title(), "Comparable with");
  EXPECT_EQ(m->Frame1->title(), "File");
  EXPECT_EQ(m->Picture2->toolTip(), " New ");
  EXPECT_EQ(m->Picture9->toolTip(), " Open ");
  EXPECT_EQ(m->Picture10->toolTip(), " Save ");
  EXPECT_EQ(m->Picture11->toolTip(), " SaveAs ");
  EXPECT_EQ(m->Picture8->toolTip(), " Exit ");
}

TEST_F(ShellTest, CommandsWhoseWindowIsMissingStayDisabled) {
  RegisterDummy(FormId::Form11);
  s->FileName = "/some/file.eka";
  Form2a* m = Main();
  EXPECT_TRUE(m->Command1->isEnabled());
  EXPECT_FALSE(m->Command3->isEnabled());
  EXPECT_FALSE(m->Command7->isEnabled());
  EXPECT_FALSE(m->Picture5->isEnabled());
  EXPECT_EQ(m->Text1->text(), "/some/file.eka");
}

TEST_F(ShellTest, EachCommandSetsItsSettingsAndOpensItsWindow) {
  RegisterAllTargets();
  s->FileName = "/x.eka";
  struct Case {
    QPushButton* Form2a::*command;
    QToolButton* Form2a::*picture;
    FormId target;
    int16_t cols, rows, fixedCols, code, section;
    const char* titleHr;
    const char* titleEn;
  } cases[] = {
      {&Form2a::Command3, nullptr, FormId::form50, 7, 53, 1, 9, 900, "Strukturna bilanca", "Common Size Balance Sheet"},
      {&Form2a::Command7, nullptr, FormId::form8, 7, 14, 1, 1, 100, "Opći podaci", "General Data"},
      {nullptr, &Form2a::Picture5, FormId::form50, 11, 45, 10, 1, 600, "Pokazatelji po Dun and Bradstreet-u",
       "Dun and Bradstreet Ratios"},
      {nullptr, &Form2a::Picture6, FormId::form50, 11, 31, 10, 2, 700, "Pokazatelji po Prentence Hall-u",
       "Prentice Hall Ratios"},
      {nullptr, &Form2a::Picture7, FormId::form50, 11, 48, 10, 3, 800, "Pokazatelji po Robert Morris-u",
       "Robert Morris Ratios"},
  };
  for (int16_t language : {kCroatian, kEnglish}) {
    for (const auto& c : cases) {
      Form2a* m = Main(language);
      QWidget* button = c.command ? static_cast<QWidget*>(m->*c.command) : static_cast<QWidget*>(m->*c.picture);
      QTest::mouseClick(button, Qt::LeftButton);
      nav->ProcessPending();
      EXPECT_EQ(nav->Current()->id(), c.target);
      EXPECT_EQ(s->GridCols, c.cols);
      EXPECT_EQ(s->GridRows, c.rows);
      EXPECT_EQ(s->GridFixedCols, c.fixedCols);
      EXPECT_EQ(s->GridFixedRows, 1);
      EXPECT_EQ(s->ReportCode, c.code);
      EXPECT_EQ(s->SectionBase, c.section);
      EXPECT_EQ(s->ReportTitle, language == kCroatian ? c.titleHr : c.titleEn);
    }
  }
  Form2a* m = Main();
  QTest::mouseClick(m->Command7, Qt::LeftButton);
  EXPECT_EQ(s->RatioCode, 1);
  m = Main();
  s->SelectedPeriod = 4;
  QTest::mouseClick(m->Command1, Qt::LeftButton);
  nav->ProcessPending();
  EXPECT_EQ(s->SelectedPeriod, 1);
  EXPECT_EQ(nav->Current()->id(), FormId::Form11);
  for (auto cmd : {&Form2a::Command4, &Form2a::Command81, &Form2a::Command82}) {
    m = Main();
    QTest::mouseClick(m->*cmd, Qt::LeftButton);
    nav->ProcessPending();
    EXPECT_NE(nav->Current()->id(), FormId::Form2a);
  }
}

TEST_F(ShellTest, OpenReadsTheFileEnablesTheCommandsAndBacksTheWorkbook) {
  RegisterAllTargets();
  WriteWorkbook(Path("a.eka"), "abc");
  Form2a* m = Main();
  s->NewDocFlag = kFlagOn;
  dialogs.openAnswers = {Path("a.eka")};
  QTest::mouseClick(m->Picture9, Qt::LeftButton);
  EXPECT_EQ(dialogs.filters.back(), "Datoteke (*.eka) |*.eka");
  EXPECT_EQ(s->FileName, Path("a.eka"));
  EXPECT_EQ(s->ItemTable(1, 1).text(), "abc");
  EXPECT_EQ(s->ItemValues(205, 1), 100);
  EXPECT_EQ(s->NewDocFlag, 0);
  EXPECT_TRUE(m->Command3->isEnabled());
  EXPECT_EQ(m->Text1->text().toStdString(), Path("a.eka"));
  EXPECT_EQ(m->Text1->palette().color(QPalette::Text), QColor(0, 0, 0));
}

// Amounts of a hand-edited file that do not read are not taken as 0 without
// a word: the workbook still opens, and one message names them.
TEST_F(ShellTest, OpenReportsUnreadableAmountsOnceByLabelAndPeriod) {
  RegisterAllTargets();
  auto t = std::make_unique<SharedState>();
  t->ItemTable(205, 1) = Cell::FileNumber("abc");
  t->ItemTable(303, 2) = Cell::FileNumber("2147483648");
  t->ItemTable(905, 1) = Cell::Text("1.2.3");  // a result section: no amount
  t->FileName = Path("hand.eka");
  ASSERT_TRUE(SaveDataFile(*t).ok());
  for (int16_t language : {kEnglish, kCroatian}) {
    SCOPED_TRACE(language);
    dialogs.messages.clear();
    Form2a* m = Main(language);
    dialogs.openAnswers = {Path("hand.eka")};
    QTest::mouseClick(m->Picture9, Qt::LeftButton);
    EXPECT_EQ(s->FileName, Path("hand.eka"));
    EXPECT_TRUE(m->Command3->isEnabled());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Warning);
    const std::string& text = dialogs.messages[0].text;
    if (language == kEnglish) {
      EXPECT_NE(text.find("\nCash and marketable securities (Balance Sheet), period I: \"abc\" (not a number)"),
                std::string::npos)
          << text;
      EXPECT_NE(text.find("\nNet sales (Income Statement), period II: \"2147483648\" (out of range)"),
                std::string::npos)
          << text;
    } else {
      EXPECT_NE(text.find("\nNovac i utržive vrijednosnice (Bruto bilanca), razdoblje I: \"abc\" (nije broj)"),
                std::string::npos)
          << text;
    }
    EXPECT_EQ(text.find("1.2.3"), std::string::npos);
  }
  // A workbook whose amounts all read opens without a word.
  WriteWorkbook(Path("good.eka"), "good");
  dialogs.messages.clear();
  Form2a* m = Main();
  dialogs.openAnswers = {Path("good.eka")};
  QTest::mouseClick(m->Picture9, Qt::LeftButton);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ShellTest, CancelledDialogsChangeNothing) {
  s->FileName = Path("keep.eka");
  s->ItemTable(1, 1) = Cell::Text("mine");
  Form2a* m = Main();
  QTest::mouseClick(m->Picture2, Qt::LeftButton);  // New: the status asks for Save As
  const QString status = m->Text1->text();
  dialogs.openAnswers = {""};
  QTest::mouseClick(m->Picture9, Qt::LeftButton);
  EXPECT_EQ(m->Text1->text(), status);
  dialogs.saveAnswers = {""};
  QTest::mouseClick(m->Picture11, Qt::LeftButton);
  EXPECT_EQ(s->FileName, Path("keep.eka"));
  EXPECT_FALSE(fs::exists(Path("keep.eka")));
  EXPECT_TRUE(dialogs.messages.empty());
}

// A Save As that ends without writing (cancelled or failed) puts FileName
// into the status line and keeps the line's colour.
TEST_F(ShellTest, AnUnfinishedSaveAsShowsTheFileNameInTheStatusColour) {
  WriteWorkbook(Path("old.eka"), "old");
  s->FileName = Path("old.eka");
  s->FileBacked = true;
  Form2a* m = Main(kCroatian);
  QTest::mouseClick(m->Picture2, Qt::LeftButton);  // New: red Save As prompt
  dialogs.saveAnswers = {""};
  QTest::mouseClick(m->Picture11, Qt::LeftButton);
  EXPECT_EQ(m->Text1->text().toStdString(), Path("old.eka"));
  EXPECT_EQ(m->Text1->palette().color(QPalette::Text), QColor(255, 0, 0));

  QTest::mouseClick(m->Picture2, Qt::LeftButton);
  dialogs.saveAnswers = {Path("missing/dir/x.eka")};
  QTest::mouseClick(m->Picture11, Qt::LeftButton);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(m->Text1->text().toStdString(), Path("old.eka"));
  EXPECT_EQ(m->Text1->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST_F(ShellTest, AFailedOpenKeepsTheWorkbookFileNameAndStatus) {
  WriteWorkbook(Path("good.eka"), "good");
  std::ofstream(Path("short.eka")) << "\"x\"\r\n";
  s->FileName = Path("good.eka");
  ASSERT_TRUE(CitajDatoteku(*s).ok());
  s->FileBacked = true;
  Form2a* m = Main();
  const QString status = m->Text1->text();
  dialogs.openAnswers = {Path("short.eka")};
  QTest::mouseClick(m->Picture9, Qt::LeftButton);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find(Path("short.eka")), std::string::npos);
  EXPECT_EQ(dialogs.messages[0].title, "Morvadel");
  EXPECT_EQ(s->FileName, Path("good.eka"));
  EXPECT_EQ(s->ItemTable(1, 1).text(), "good");
  EXPECT_EQ(m->Text1->text(), status);
}

// What the main window shows of a workbook: the file it holds, its first
// cell, the status line and which commands it has enabled, and the messages.
struct MainWindowView {
  std::string fileName, firstCell;
  bool backed;
  QString status;
  QColor statusColour;
  std::vector<bool> enabled;
  std::vector<std::string> messages;
  bool operator==(const MainWindowView&) const = default;
};

void PrintTo(const MainWindowView& v, std::ostream* os) {
  *os << "file '" << v.fileName << "' cell '" << v.firstCell << "' backed " << v.backed << " status '"
      << v.status.toStdString() << "' " << v.statusColour.name().toStdString() << " enabled";
  for (bool e : v.enabled) *os << ' ' << e;
  for (const std::string& m : v.messages) *os << "\nmessage: " << m;
}

// A workbook named on the command line is opened once the language is
// chosen, by the main window's own Open: the same reading, status line,
// commands and messages as choosing that file in the Open dialog, also for
// a file that is missing, unreadable or no workbook; without one the main
// window starts empty, and the file is not opened again when the main
// window is shown again.
TEST_F(ShellTest, AWorkbookNamedAtStartIsOpenedAfterTheLanguageChoiceAsOpenOpensIt) {
  WriteWorkbook(Path("good.eka"), "abc");
  {
    auto t = std::make_unique<SharedState>();
    t->ItemTable(1, 1) = Cell::Text("hand");
    t->ItemTable(205, 1) = Cell::FileNumber("abc");
    t->FileName = Path("hand.eka");
    ASSERT_TRUE(SaveDataFile(*t).ok());
  }
  std::ofstream(Path("short.eka")) << "\"x\"\r\n";
  std::ofstream(Path("text.eka")) << "not a workbook at all\n";
  fs::create_directory(Path("folder.eka"));
  std::ofstream(Path("locked.eka")) << Saved(Path("good.eka"));
  fs::permissions(Path("locked.eka"), fs::perms::none);
  const bool permissionsHold = ::geteuid() != 0;  // the superuser reads any file

  auto view = [&](Form2a* m) {
    MainWindowView v{s->FileName, s->ItemTable(1, 1).text(), s->FileBacked, m->Text1->text(),
                     m->Text1->palette().color(QPalette::Text), {}, {}};
    for (QWidget* w : std::initializer_list<QWidget*>{m->Command1, m->Command3, m->Command4, m->Command7,
                                                      m->Command81, m->Command82, m->Picture5, m->Picture6,
                                                      m->Picture7})
      v.enabled.push_back(w->isEnabled());
    for (const auto& shown : dialogs.messages)
      v.messages.push_back(shown.text + " | " + std::to_string(static_cast<int>(shown.icon)) + " | " + shown.title);
    return v;
  };
  struct Case {
    const char* file;  // "" for none
    bool opens;
  } cases[] = {{"", false},          {"good.eka", true},    {"hand.eka", true},   {"missing.eka", false},
               {"folder.eka", false}, {"locked.eka", false}, {"short.eka", false}, {"text.eka", false}};
  for (bool croatian : {true, false}) {
    for (const Case& c : cases) {
      if (std::string(c.file) == "locked.eka" && !permissionsHold) continue;
      const std::string path = *c.file ? Path(c.file) : "";
      SCOPED_TRACE(std::string(c.file) + (croatian ? " hr" : " en"));
      // Chosen in the Open dialog of a main window that has just come up.
      Reset({RegisterShellForms});
      RegisterAllTargets();
      dialogs.messages.clear();
      if (croatian)
        FillSummaryLabelsHr(*s);
      else
        FillSummaryLabelsEn(*s);
      Form2a* m = Main(croatian ? kCroatian : kEnglish);
      dialogs.openAnswers = {path};
      QTest::mouseClick(m->Picture9, Qt::LeftButton);
      const MainWindowView byOpen = view(m);

      // Named on the command line.
      Reset({RegisterShellForms});
      RegisterAllTargets();
      dialogs.messages.clear();
      ctx->openOnStart = path;
      nav->Show(FormId::Form1);
      nav->ProcessPending();
      auto* f1 = dynamic_cast<Form1*>(nav->Current());
      ASSERT_NE(f1, nullptr);
      QApplication::processEvents();
      EXPECT_TRUE(s->FileName.empty()) << "opened before the language was chosen";
      QTest::mouseClick(croatian ? f1->Picture6 : f1->Picture4, Qt::LeftButton);
      nav->ProcessPending();
      m = dynamic_cast<Form2a*>(nav->Current());
      ASSERT_NE(m, nullptr);
      QApplication::processEvents();
      const MainWindowView atStart = view(m);
      EXPECT_EQ(atStart, byOpen);
      EXPECT_EQ(atStart.fileName, c.opens ? path : "");
      EXPECT_EQ(atStart.enabled[1], c.opens);
      EXPECT_EQ(atStart.messages.size(), (c.opens && std::string(c.file) != "hand.eka") || !*c.file ? 0u : 1u);
      EXPECT_TRUE(ctx->openOnStart.empty());

      // Back to the main window: the workbook as it was left, nothing read again.
      s->ItemTable(1, 1) = Cell::Text("changed");
      nav->Show(FormId::form8);
      nav->ProcessPending();
      m = Main(s->Language);
      QApplication::processEvents();
      EXPECT_EQ(s->ItemTable(1, 1).text(), "changed");
      EXPECT_EQ(dialogs.messages.size(), atStart.messages.size());
    }
  }
  fs::permissions(Path("locked.eka"), fs::perms::owner_all);
}

TEST_F(ShellTest, NewEmptiesTheWorkbookAndSaveRefusesUntilSaveAs) {
  WriteWorkbook(Path("old.eka"), "old");
  s->FileName = Path("old.eka");
  ASSERT_TRUE(CitajDatoteku(*s).ok());
  s->FileBacked = true;
  s->CurrencyName = "EUR";
  Form2a* m = Main(kCroatian);
  const std::string before = Saved(Path("old.eka"));
  QTest::mouseClick(m->Picture2, Qt::LeftButton);
  EXPECT_EQ(m->Text1->text(), "Spremite file prije obrade (Save As)");
  EXPECT_EQ(m->Text1->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_EQ(s->NewDocFlag, kFlagOn);
  EXPECT_EQ(s->ItemTable(1, 1).text(), "");
  EXPECT_EQ(s->ItemTable(1600, 16).text(), "");
  EXPECT_EQ(s->ItemValues(205, 1), 0);
  EXPECT_EQ(s->FileName, Path("old.eka"));
  EXPECT_EQ(s->CurrencyName, "EUR");
  QTest::mouseClick(m->Picture10, Qt::LeftButton);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, " Molim koristite SaveAs  !!!");
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(Saved(Path("old.eka")), before);

  // Once the entry window has reset the flag, the first Save still asks for
  // a name rather than writing over the previous workbook's file.
  s->NewDocFlag = 0;
  dialogs.saveAnswers = {Path("new.eka")};
  QTest::mouseClick(m->Picture10, Qt::LeftButton);
  EXPECT_EQ(dialogs.saveCalls, 1);
  EXPECT_EQ(Saved(Path("old.eka")), before);
  EXPECT_TRUE(fs::exists(Path("new.eka")));
  EXPECT_EQ(s->FileName, Path("new.eka"));
  // From then on Save writes without asking.
  s->ItemTable(1, 1) = Cell::Text("changed");
  QTest::mouseClick(m->Picture10, Qt::LeftButton);
  EXPECT_EQ(dialogs.saveCalls, 1);
  EXPECT_NE(Saved(Path("new.eka")).find("\"changed\""), std::string::npos);
}

TEST_F(ShellTest, SaveAsAfterNewWritesButSaveStillRefusesWhileTheFlagIsOn) {
  Form2a* m = Main(kEnglish);
  QTest::mouseClick(m->Picture2, Qt::LeftButton);
  EXPECT_EQ(m->Text1->text(), "Before you start data processing - Save As!");
  dialogs.saveAnswers = {Path("b.eka")};
  QTest::mouseClick(m->Picture11, Qt::LeftButton);
  EXPECT_TRUE(fs::exists(Path("b.eka")));
  EXPECT_EQ(s->NewDocFlag, kFlagOn);  // Save As leaves the flag
  EXPECT_EQ(m->Text1->text().toStdString(), Path("b.eka"));
  QTest::mouseClick(m->Picture10, Qt::LeftButton);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, " Please use SaveAs  !!!");
}

TEST_F(ShellTest, SaveWithoutFileNameAsksForOne) {
  Form2a* m = Main();
  s->ItemTable(1, 1) = Cell::Text("typed");
  dialogs.saveAnswers = {Path("first.eka")};
  QTest::mouseClick(m->Picture10, Qt::LeftButton);
  EXPECT_EQ(dialogs.saveCalls, 1);
  EXPECT_EQ(s->FileName, Path("first.eka"));
  EXPECT_TRUE(fs::exists(Path("first.eka")));
}

TEST_F(ShellTest, AFailedSaveAsReportsAndKeepsFileNameAndOldFile) {
  WriteWorkbook(Path("old.eka"), "old");
  s->FileName = Path("old.eka");
  s->FileBacked = true;
  Form2a* m = Main();
  dialogs.saveAnswers = {Path("missing/dir/x.eka")};
  QTest::mouseClick(m->Picture11, Qt::LeftButton);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find("missing/dir/x.eka"), std::string::npos);
  EXPECT_EQ(s->FileName, Path("old.eka"));
  // A failed plain Save reports too and leaves the file.
  fs::create_directories(Path("dir.eka"));
  s->FileName = Path("dir.eka");
  QTest::mouseClick(m->Picture10, Qt::LeftButton);
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_TRUE(fs::is_directory(Path("dir.eka")));
}

TEST_F(ShellTest, ExitAsksEveryTimeAndEndsOnlyWhenDone) {
  struct Case {
    int16_t language;
    bool yes;
    const char* saveAs;  // nullptr: no dialog expected; "" cancels
    bool ends;
    bool written;
  } cases[] = {
      {kCroatian, false, nullptr, true, false},
      {kEnglish, true, "out.eka", true, true},
      {kEnglish, true, "", false, false},
  };
  for (const auto& c : cases) {
    SetUp();
    Form2a* m = Main(c.language);
    dialogs = FakeDialogs();
    dialogs.yesNoAnswers = {c.yes};
    if (c.saveAs) dialogs.saveAnswers = {*c.saveAs ? Path(c.saveAs) : ""};
    QTest::mouseClick(m->Picture8, Qt::LeftButton);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    if (c.language == kCroatian) {
      EXPECT_EQ(dialogs.questions[0].text, "Želite li snimiti datoteke?");
      EXPECT_EQ(dialogs.questions[0].icon, MsgIcon::Question);
    } else {
      EXPECT_EQ(dialogs.questions[0].text, "Do you want to save the changes you made?");
      EXPECT_EQ(dialogs.questions[0].icon, MsgIcon::None);
    }
    EXPECT_EQ(nav->QuitRequested(), c.ends);
    EXPECT_EQ(nav->Current() != nullptr, !c.ends);
    // The window that asked to end is deleted once its handler has returned.
    QPointer<Form2a> guard(m);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(guard.isNull(), c.ends);
    EXPECT_EQ(fs::exists(Path("out.eka")), c.written);
    EXPECT_TRUE(fs::is_empty(dir) || c.written);
    TearDown();
  }
}

TEST_F(ShellTest, SaveAsOnExitWritesToTheChosenName) {
  Form2a* m = Main();
  s->ItemTable(1, 1) = Cell::Text("exit");
  dialogs.saveAnswers = {""};
  EXPECT_FALSE(m->SaveAsOnExit());
  EXPECT_TRUE(fs::is_empty(dir));
  dialogs.saveAnswers = {Path("exit.eka")};
  EXPECT_TRUE(m->SaveAsOnExit());
  EXPECT_EQ(s->FileName, Path("exit.eka"));
  EXPECT_NE(Saved(Path("exit.eka")).find("\"exit\""), std::string::npos);
  EXPECT_EQ(dialogs.filters.back(), "Datoteke (*.eka) |*.eka");
}

// The title-bar close box is the frame's; it does what the window shown
// does with it.
TEST_F(ShellTest, CloseBoxOfTheMainWindowIsExitAndOfOthersTheWayBack) {
  RegisterAllTargets();
  Form2a* m = Main();
  dialogs.yesNoAnswers = {false};
  QCloseEvent close;
  QApplication::sendEvent(m->window(), &close);
  EXPECT_FALSE(close.isAccepted());
  EXPECT_EQ(dialogs.questions.size(), 1u);
  EXPECT_TRUE(nav->QuitRequested());
  EXPECT_FALSE(m->window()->isVisible());

  SetUp();
  RegisterAllTargets();
  s->Language = kEnglish;
  nav->Show(FormId::form8);
  nav->ProcessPending();
  QPointer<QWidget> frame = nav->Current()->window();
  QCloseEvent close2;
  QApplication::sendEvent(frame, &close2);
  EXPECT_FALSE(close2.isAccepted());
  nav->ProcessPending();
  EXPECT_EQ(nav->Current()->id(), FormId::Form2a);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(nav->Current()->window(), frame);
  EXPECT_TRUE(frame->isVisible());
}

// A window change asked for while a window's handler waits on a dialog, or
// one the handler meets when its dialog comes up, waits until the dialog's
// loop and the handler have returned: the window is never deleted under its
// own code, whatever the dialog.
TEST_F(ShellTest, AWindowLivesUntilTheHandlerThatWaitsOnADialogHasReturned) {
  const std::string start = (dir / "a.eka").string();
  const struct Dialog {
    const char* name;
    std::function<void(Dialogs&)> run;
  } dialogs_[] = {
      {"message", [](Dialogs& d) { d.Message("?", MsgIcon::Information); }},
      {"question", [](Dialogs& d) { d.AskYesNo("?", MsgIcon::Question); }},
      {"open", [&](Dialogs& d) { d.OpenFile(kWorkbookFilter, dir.string()); }},
      {"save", [&](Dialogs& d) { d.SaveFile(kWorkbookFilter, start); }},
      {"save with extension", [&](Dialogs& d) { d.SaveFileWithExtension(kWorkbookFilter, start, "", "eka"); }},
      {"print", [](Dialogs& d) { d.ChoosePrinter(); }},
      {"document preview", [&](Dialogs&) { ShowDocumentPreview(DocDocument(), (dir / "Export.docx").string(), kEnglish); }},
  };
  for (const bool askedWhileUp : {false, true}) {
    for (const Dialog& dialog : dialogs_) {
      SCOPED_TRACE(std::string(dialog.name) + (askedWhileUp ? ", asked while it is up" : ", asked before"));
      Reset({});
      QtDialogs qt;
      AppContext real{*s, *nav, qt, exports.get()};
      nav->SetContext(&real);
      nav->Register(FormId::Form11, [](AppContext& c) { return std::make_unique<WaitingForm>(c, FormId::Form11); });
      RegisterDummy(FormId::Unos2);
      auto* form = dynamic_cast<WaitingForm*>(Go(FormId::Form11));
      ASSERT_NE(form, nullptr);
      QPointer<Form> watch(form);
      WaitingForm::handlerKeptItsWindow = false;
      // Asked before: the second of two clicks delivered together reaches
      // the window after the first asked for another one.
      if (!askedWhileUp) nav->Show(FormId::Unos2);
      DialogCloser closer([&] {
        if (askedWhileUp) nav->Show(FormId::Unos2);
      });
      form->Handle(dialog.run);
      EXPECT_TRUE(closer.closed);
      EXPECT_TRUE(WaitingForm::handlerKeptItsWindow);
      EXPECT_FALSE(watch.isNull());
      if (watch.isNull()) {
        Reset({RegisterShellForms});
        continue;
      }
      EXPECT_TRUE(form->property("handled").toBool());
      EXPECT_EQ(nav->Current(), form);
      EXPECT_TRUE(nav->HasPending());
      // Then the change is carried out from the run's own loop.
      QApplication::processEvents();
      EXPECT_TRUE(watch.isNull());
      ASSERT_NE(nav->Current(), nullptr);
      EXPECT_EQ(nav->Current()->id(), FormId::Unos2);
      Reset({RegisterShellForms});
    }
  }
}

// The main window as a new user on a busy machine meets it: "Data Entry"
// and "Save As" clicked so quickly that both clicks come in one batch, in
// either order, and the close box queued behind "Data Entry". A click that
// reaches the window after it asked for the entry window is dropped (no
// Save As, no "save?" question); "Data Entry" that reaches it while Save As
// is up leaves the main window whole until the dialog (cancelled) and its
// handler are done.
TEST_F(ShellTest, TheMainWindowSurvivesItsDialogsWhileAnotherWindowIsAskedFor) {
  for (const int order : {0, 1, 2}) {
    SCOPED_TRACE(order);
    Reset({RegisterShellForms});
    QtDialogs qt;
    AppContext real{*s, *nav, qt, exports.get()};
    nav->SetContext(&real);
    RegisterAllTargets();
    Form2a* m = Main(kEnglish);
    ASSERT_NE(m, nullptr);
    QPointer<Form2a> watch(m);
    if (order == 0) {
      DialogCloser closer;
      test::InputBatch().Click(m->Command7).Click(m->Picture11).Deliver();
      EXPECT_FALSE(closer.closed);
    } else if (order == 1) {
      // The entry button's click reaches the window while Save As is up.
      DialogCloser closer([m] { m->Command7->click(); });
      QTest::mouseClick(m->Picture11, Qt::LeftButton);
      EXPECT_TRUE(closer.closed);
      ASSERT_FALSE(watch.isNull());
      EXPECT_EQ(nav->Current(), m);
      // The cancelled Save As ended its handler: the status line shows the
      // workbook's (empty) file name.
      EXPECT_EQ(m->Text1->text().toStdString(), s->FileName);
      QApplication::processEvents();
    } else {
      DialogCloser closer;
      test::InputBatch().Click(m->Command7).CloseBox(m).Deliver();
      EXPECT_FALSE(closer.closed);
      EXPECT_FALSE(nav->QuitRequested());
    }
    ASSERT_NE(nav->Current(), nullptr);
    EXPECT_EQ(nav->Current()->id(), FormId::form8);
    EXPECT_TRUE(watch.isNull());
    Reset({RegisterShellForms});
  }
}

// A load that ends the program, asks for another window and then lets
// events run (as its own message box would), or does both: it runs to its
// end with its window, and the window asked for follows.
TEST_F(ShellTest, AWindowsLoadRunsToItsEndWhateverItAsksFor) {
  struct Case {
    const char* name;
    std::function<void(AppContext&)> load;
    bool quits;
  } cases[] = {
      {"quits", [](AppContext& c) { c.nav.Quit(); }, true},
      {"asks for another window, then lets events run",
       [](AppContext& c) {
         c.nav.Show(FormId::Unos2);
         QApplication::processEvents();
       },
       false},
      {"asks for another window, then shows a message",
       [](AppContext& c) {
         c.nav.Show(FormId::Unos2);
         DialogCloser closer;
         c.dialogs.Message("?", MsgIcon::Information);
       },
       false},
      {"shows a message that asks for another window",
       [](AppContext& c) {
         DialogCloser closer([&c] { c.nav.Show(FormId::Unos2); });
         c.dialogs.Message("?", MsgIcon::Information);
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Reset({RegisterShellForms});
    QtDialogs qt;
    AppContext real{*s, *nav, qt, exports.get()};
    nav->SetContext(&real);
    nav->Register(FormId::Form11, [](AppContext& c) { return std::make_unique<WaitingForm>(c, FormId::Form11); });
    RegisterDummy(FormId::Unos2);
    Form* main = Go(FormId::Form2a);
    QPointer<QWidget> frame = main->window();
    WaitingForm::onLoad = c.load;
    WaitingForm::loadKeptItsWindow = false;
    nav->Show(FormId::Form11);
    nav->ProcessPending();
    WaitingForm::onLoad = nullptr;
    EXPECT_TRUE(WaitingForm::loadKeptItsWindow);
    EXPECT_EQ(nav->QuitRequested(), c.quits);
    if (c.quits) {
      EXPECT_EQ(nav->Current(), nullptr);
      EXPECT_FALSE(frame->isVisible());
    } else {
      QApplication::processEvents();
      ASSERT_NE(nav->Current(), nullptr);
      EXPECT_EQ(nav->Current()->id(), FormId::Unos2);
      EXPECT_EQ(nav->Current()->window(), frame.data());
    }
    // The loaded window is gone once its load has returned.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(WaitingForm::loaded.isNull());
    Reset({RegisterShellForms});
  }
}

TEST_F(ShellTest, NavigatorShowsOneWindowAtATimeAndRebuildsItOnEveryShowing) {
  RegisterAllTargets();
  DummyForm::loads = 0;
  Main();
  for (int i = 0; i < 200; ++i) {
    nav->Show(FormId::form8);
    nav->ProcessPending();
    nav->Show(FormId::Form2a);
    nav->ProcessPending();
  }
  EXPECT_EQ(DummyForm::loads, 200);
  int visible = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) ++visible;
  EXPECT_EQ(visible, 1);
  // A request is carried out by the event loop after the handler returns.
  nav->Show(FormId::form8);
  EXPECT_EQ(nav->Current()->id(), FormId::Form2a);
  QApplication::processEvents();
  EXPECT_EQ(nav->Current()->id(), FormId::form8);
}

// The next window takes the place of the one left: the frame's top-left
// when the sizes agree, the centre when they differ, and always on screen,
// in the decorations the next window's own frame has.
TEST(NavigatorPlaceTest, NextWindowTakesThePlaceOfTheOneLeft) {
  const QRect screen(0, 0, 1280, 1000);
  // Frames one pixel wide at the sides and below, 20 above (a title bar);
  // with a resize handle below; with wide borders all round.
  const QMargins thin(1, 20, 1, 1), handle(1, 20, 1, 5), wide(4, 24, 4, 4);
  struct Case {
    const char* name;
    QRect oldInner;  // in a thin frame
    QSize size;
    QMargins next;  // the next window's decorations
    QRect want;     // the new inner area
  } cases[] = {
      {"same size: same place", {100, 120, 600, 400}, {600, 400}, thin, {100, 120, 600, 400}},
      {"smaller: same centre", {100, 120, 600, 400}, {400, 200}, thin, {200, 220, 400, 200}},
      {"larger: same centre", {300, 300, 400, 200}, {600, 400}, thin, {200, 200, 600, 400}},
      {"would leave at the bottom right: kept inside", {900, 800, 300, 150}, {600, 400}, thin, {679, 599, 600, 400}},
      {"would leave at the top left: kept inside", {0, 20, 300, 150}, {600, 400}, thin, {1, 20, 600, 400}},
      {"larger than the screen: from its top-left", {100, 120, 600, 400}, {1400, 1200}, thin, {1, 20, 1400, 1200}},
      {"same size in a taller frame: the frame's centre", {100, 120, 600, 400}, {600, 400}, handle,
       {100, 118, 600, 400}},
      {"flush with the bottom, into a frame with a handle: wholly inside", {400, 700, 600, 299}, {600, 400}, handle,
       {400, 595, 600, 400}},
      {"flush with the top left, into wide borders: wholly inside", {1, 20, 300, 150}, {600, 400}, wide,
       {4, 24, 600, 400}},
      {"flush with the right, into wide borders: wholly inside", {979, 300, 300, 150}, {600, 400}, wide,
       {676, 176, 600, 400}},
      {"flush with the bottom right, into a frame with a handle: wholly inside", {559, 490, 720, 509}, {665, 620},
       handle, {586, 375, 665, 620}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QRect oldFrame = c.oldInner.marginsAdded(thin);
    EXPECT_EQ(Navigator::PlaceNext(&oldFrame, c.size, c.next, screen), c.want);
    if (c.size.width() < screen.width()) {
      EXPECT_TRUE(screen.contains(c.want.marginsAdded(c.next)));
    }
  }
  // The first window is centred on the screen.
  EXPECT_EQ(Navigator::PlaceNext(nullptr, {600, 400}, {}, screen), QRect(340, 300, 600, 400));
}

// The place a window is meant to have is kept exactly from window to window
// and back, for any sizes and wherever it lies, also beyond the screen, and
// whatever decorations each window's frame has.
TEST(NavigatorPlaceTest, TheCentreMeantComesBackToThePixel) {
  const QRect screen(0, 0, 1280, 1000);
  const QMargins thin(1, 20, 1, 1), handle(1, 20, 1, 5), wide(4, 24, 4, 4);
  const QSize sizes[] = {{300, 200}, {301, 201}, {1100, 700}, {57, 33}, {1400, 1200}};
  const std::vector<QMargins> decorations[] = {{thin}, {handle, thin, wide, handle, wide}};
  for (const std::vector<QMargins>& margins : decorations) {
    for (const QRect start : {QRect(20, 40, 300, 200), QRect(-333, -71, 301, 201), QRect(1200, 950, 57, 33)}) {
      QRect inner = start;
      QMargins m = thin;
      for (size_t i = 0; i < std::size(sizes); ++i) {
        const QRect frame = inner.marginsAdded(m);
        m = margins[i % margins.size()];
        inner = Navigator::WantedPlace(&frame, sizes[i], m, screen);
        // Kept on the screen, the place shown is the one meant, moved.
        EXPECT_EQ(Navigator::PlaceNext(&frame, sizes[i], m, screen).size(), sizes[i]);
      }
      const QRect frame = inner.marginsAdded(m);
      EXPECT_EQ(Navigator::WantedPlace(&frame, start.size(), thin, screen), start);
    }
  }
}

// A window held back at the screen's edge moves nobody's centre: going
// forward and back returns each window to where the user left it, also one
// the user moved there or resized.
TEST_F(ShellTest, GoingForwardAndBackReturnsEachWindowToWhereTheUserLeftIt) {
  // Windows nearly as wide or as high as the screen: they cannot stand
  // around a centre near its corner.
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  RegisterSized(FormId::Form11, area.size() * 3 / 4, true);
  RegisterSized(FormId::Unos2, {area.width() - 60, area.height() / 2}, false);
  RegisterSized(FormId::Form12, {area.width() / 3, area.height() - 50}, false);
  QWidget* frame = Go(FormId::Form2a)->window();
  // The main window moved by the user near the top-left corner.
  frame->move(area.topLeft() + QPoint(20, 40));
  const QRect mainPlace = frame->geometry();
  const FormId forward[] = {FormId::Form11, FormId::Unos2, FormId::Form12};
  std::vector<QRect> places;
  for (FormId id : forward) {
    places.push_back(Go(id)->window()->geometry());
    EXPECT_TRUE(area.contains(places.back()) || places.back().topLeft() == area.topLeft());
  }
  for (int i = 1; i >= 0; --i) EXPECT_EQ(Go(forward[i])->window()->geometry(), places[i]) << i;
  EXPECT_EQ(Go(FormId::Form2a)->window()->geometry(), mainPlace);

  // The growing window resized by the user: the windows after it take its
  // centre, and back it comes around that centre, at its design size.
  Go(FormId::Form11);
  frame->resize(frame->size() + QSize(150, 90));
  const QRect resized = frame->geometry();
  const QRect next = Go(FormId::Unos2)->window()->geometry();
  Go(FormId::Form12);
  EXPECT_EQ(Go(FormId::Unos2)->window()->geometry(), next);
  EXPECT_EQ(Go(FormId::Form11)->window()->geometry().center(), resized.center());
}

// A window manager that decorates a frame by its size rules, as openbox
// does: a resizable frame gets other margins (a resize handle below) than a
// fixed-size one. It draws them once it has configured the frame, after the
// navigator has placed it.
class SizeRuleDecorations : public QObject {
 public:
  SizeRuleDecorations(Navigator& nav, QWidget* frame, QMargins fixed, QMargins resizable)
      : nav_(nav), frame_(frame), fixed_(fixed), resizable_(resizable) {
    nav.SetMarginsReader([this](const QWindow&) { return drawn_; });
    // After the navigator's own watch: this one sees each event first.
    frame->windowHandle()->installEventFilter(this);
    Draw();
  }
  ~SizeRuleDecorations() override { nav_.SetMarginsReader({}); }
  // The frame with its decorations, as the user sees it.
  QRect Frame() const { return frame_->geometry().marginsAdded(drawn_); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) Draw();
    return false;
  }

 private:
  void Draw() { drawn_ = frame_->minimumSize() == frame_->maximumSize() ? fixed_ : resizable_; }
  Navigator& nav_;
  QWidget* frame_;
  QMargins fixed_, resizable_, drawn_;
};

// Flush with any edge of the screen, under a window manager whose frames
// differ by window, every frame stays wholly on the screen in its own
// decorations, a sheet switch keeps its place, and going forward and back
// returns the main window to the pixel, from the first change on.
TEST_F(ShellTest, AtTheScreensEdgesEachFrameStaysOnTheScreenInItsOwnDecorations) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  // At least the offscreen desktop's own 2 px: it keeps that much of its
  // frame on the screen.
  const QMargins thin(2, 20, 2, 2), handle(2, 20, 2, 6), wide(5, 24, 5, 5);
  struct Desktop {
    const char* name;
    QMargins fixed, resizable;
  } desktops[] = {
      {"a resize handle under a resizable frame", thin, handle},
      {"wider borders all round a resizable frame", thin, wide},
      {"narrower borders all round a resizable frame", wide, thin},
  };
  // Where the main window's frame is put by the user.
  using Flush = void (*)(QRect&, const QRect&);
  const std::pair<const char*, Flush> edges[] = {
      {"bottom right", [](QRect& f, const QRect& a) { f.moveBottomRight(a.bottomRight()); }},
      {"top left", [](QRect& f, const QRect& a) { f.moveTopLeft(a.topLeft()); }},
      {"top right", [](QRect& f, const QRect& a) { f.moveTopRight(a.topRight()); }},
      {"bottom left", [](QRect& f, const QRect& a) { f.moveBottomLeft(a.bottomLeft()); }},
  };
  for (const Desktop& d : desktops) {
    SCOPED_TRACE(d.name);
    Reset({RegisterShellForms});
    RegisterSized(FormId::form8, area.size() * 3 / 4, true);
    RegisterSized(FormId::Unos2, area.size() / 2, false);
    QWidget* frame = Go(FormId::Form2a)->window();
    QApplication::processEvents();
    SizeRuleDecorations desktop(*nav, frame, d.fixed, d.resizable);
    // Shown, and framed by the desktop. Decorations seen once are foreseen:
    // only the first resizable frame is placed again once framed.
    int placedAgain = 0;
    auto show = [&](FormId id) {
      const QRect placed = Go(id)->window()->geometry();
      QApplication::processEvents();
      if (frame->geometry() != placed) ++placedAgain;
      return desktop.Frame();
    };
    for (const auto& [edge, flush] : edges) {
      SCOPED_TRACE(edge);
      QRect mainFrame = desktop.Frame();
      flush(mainFrame, area);
      frame->setGeometry(mainFrame.marginsRemoved(d.fixed));
      QApplication::processEvents();
      ASSERT_EQ(desktop.Frame(), mainFrame);
      const QRect entry = show(FormId::form8);
      EXPECT_TRUE(area.contains(entry));
      EXPECT_EQ(show(FormId::form8), entry);  // a sheet switch
      const QRect other = show(FormId::Unos2);
      EXPECT_TRUE(area.contains(other));
      EXPECT_EQ(show(FormId::form8), entry);
      EXPECT_EQ(show(FormId::Form2a), mainFrame);
    }
    EXPECT_LE(placedAgain, 1);
  }
}

TEST_F(ShellTest, AHundredWindowChangesLeaveTheWindowsWhereTheyWere) {
  RegisterSized(FormId::Form11, {300, 200}, false);
  RegisterSized(FormId::Unos2, {300, 200}, false);
  auto frameOf = [this](FormId id) { return Go(id)->window()->frameGeometry(); };
  const QRect mainFrame = frameOf(FormId::Form2a);
  const QRect first = frameOf(FormId::Form11);
  for (int i = 0; i < 100; ++i) {
    // Windows of one size follow each other exactly; the main window, of
    // another size, comes back around the same centre.
    EXPECT_EQ(frameOf(i % 2 ? FormId::Form11 : FormId::Unos2), first) << i;
    if (i % 10 == 0) {
      EXPECT_EQ(frameOf(FormId::Form2a), mainFrame) << i;
      EXPECT_EQ(frameOf(FormId::Form11), first) << i;
    }
  }
  EXPECT_EQ(frameOf(FormId::Form2a), mainFrame);
}

// Between two windows the frame shows no empty window: it paints only with
// a window in it, even when a load lets events run (a message it shows),
// and then paints the new window once, every control of it once.
TEST_F(ShellTest, TheFramePaintsEachNewWindowOnceAndNeverEmpty) {
  RegisterSized(FormId::Form11, {300, 200}, false);
  RegisterSized(FormId::Unos2, {500, 300}, true);
  QWidget* frame = Go(FormId::Form2a)->window();
  QApplication::processEvents();
  struct PaintWatch : QObject {
    QWidget* frame = nullptr;
    std::map<QObject*, int> paints;
    int empty = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() != QEvent::Paint) return false;
      ++paints[watched];
      if (watched == frame) {
        bool shown = false;
        for (const Form* f : frame->findChildren<Form*>(Qt::FindDirectChildrenOnly)) shown |= f->isVisible();
        if (!shown) ++empty;
      }
      return false;
    }
  } watch;
  watch.frame = frame;
  qApp->installEventFilter(&watch);
  SizedForm::eventsDuringLoad = true;
  const FormId round[] = {FormId::Unos2, FormId::Form2a, FormId::Form11, FormId::Form2a, FormId::Form2a};
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(i);
    watch.paints.clear();
    Form* shown = Go(round[i % 5]);
    QApplication::processEvents();
    EXPECT_EQ(watch.paints[frame], 1);
    EXPECT_EQ(watch.paints[shown], 1);
    for (QWidget* w : shown->findChildren<QWidget*>())
      if (w->isVisible()) EXPECT_EQ(watch.paints[w], 1) << w->metaObject()->className();
  }
  SizedForm::eventsDuringLoad = false;
  qApp->removeEventFilter(&watch);
  EXPECT_EQ(watch.empty, 0);
}

// The window manager sees the new window's size rules before the frame
// takes its size: one that lays out its decorations by the rules it knew at
// the last resize then draws no resize handle on a window of buttons.
TEST_F(ShellTest, TheDesktopKnowsTheNewSizeRulesBeforeTheFrameIsResized) {
  RegisterSized(FormId::Form11, {300, 200}, false);
  RegisterSized(FormId::Unos2, {500, 300}, true);
  QWidget* frame = Go(FormId::Form2a)->window();
  QApplication::processEvents();
  ASSERT_NE(frame->windowHandle(), nullptr);
  struct ResizeWatch : QObject {
    std::vector<std::pair<QSize, QSize>> rules;  // least and largest at each resize
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Resize) {
        const QWindow* window = static_cast<QWidget*>(watched)->windowHandle();
        rules.emplace_back(window->minimumSize(), window->maximumSize());
      }
      return false;
    }
  } watch;
  frame->installEventFilter(&watch);
  for (FormId id : {FormId::Unos2, FormId::Form11, FormId::Form2a, FormId::Form11, FormId::Unos2}) {
    SCOPED_TRACE(static_cast<int>(id));
    watch.rules.clear();
    Go(id);
    ASSERT_FALSE(watch.rules.empty());
    for (const auto& [least, largest] : watch.rules) {
      EXPECT_EQ(least, frame->minimumSize());
      EXPECT_EQ(largest, frame->maximumSize());
    }
  }
  frame->removeEventFilter(&watch);
}

// A window whose content can use the room grows and can be maximised, and
// keeps that state and the size the user gave it when it is shown again; a
// window of buttons keeps its size and cannot be maximised (its frame's
// least and largest sizes are one, so the desktop offers no maximise).
TEST_F(ShellTest, GrowingWindowsKeepTheirSizeAndStateAcrossReloads) {
  RegisterSized(FormId::form8, {500, 300}, true);
  RegisterSized(FormId::form50, {520, 300}, true);
  Form* main = Go(FormId::Form2a);
  QPointer<QWidget> frame = main->window();
  const QSize mainSize = frame->size();
  EXPECT_FALSE(main->Grows());
  EXPECT_EQ(frame->minimumSize(), mainSize);
  EXPECT_EQ(frame->maximumSize(), mainSize);

  Form* entry = Go(FormId::form8);
  ASSERT_EQ(entry->window(), frame.data());
  EXPECT_TRUE(entry->Grows());
  EXPECT_EQ(frame->minimumSize(), entry->minimumSize());
  EXPECT_EQ(frame->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  frame->resize(700, 450);  // the user enlarges it
  entry = Go(FormId::form8);  // a sheet switch
  EXPECT_EQ(frame->size(), QSize(700, 450));
  EXPECT_EQ(entry->size(), QSize(700, 450));
  frame->showMaximized();
  ASSERT_TRUE(frame->isMaximized());
  EXPECT_TRUE(Go(FormId::form8)->window()->isMaximized());
  EXPECT_TRUE(Go(FormId::form50)->window()->isMaximized());
  main = Go(FormId::Form2a);
  EXPECT_FALSE(frame->isMaximized());
  EXPECT_EQ(frame->size(), mainSize);
  EXPECT_EQ(frame->maximumSize(), mainSize);
  QApplication::processEvents();
  EXPECT_EQ(frame->size(), mainSize);
  EXPECT_EQ(main->size(), mainSize);
}

TEST_F(ShellTest, CroatianChoiceTranslatesQtsOwnDialogTexts) {
  nav->Show(FormId::Form1);
  nav->ProcessPending();
  auto* f1 = dynamic_cast<Form1*>(nav->Current());
  ASSERT_NE(f1, nullptr);
  QTest::mouseClick(f1->Picture6, Qt::LeftButton);
  EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}

// The real message boxes come up over the frame, centred on it and modal
// to it, also while another program has the focus (there is no active
// window then), and a second one stacks on the first.
TEST_F(ShellTest, MessageBoxesAreCentredOnTheFrameAndModalToIt) {
  RegisterSized(FormId::Unos2, {600, 400}, true);
  QWidget* frame = Go(FormId::Unos2)->window();
  QApplication::processEvents();
  QApplication::setActiveWindow(nullptr);
  ASSERT_EQ(QApplication::activeWindow(), nullptr);
  struct Seen {
    QWidget* parent = nullptr;
    QRect geometry;
    bool modal = false;
  };
  std::vector<Seen> seen;
  QtDialogs real;
  auto look = [&seen] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return false;
    seen.push_back({box->parentWidget(), box->frameGeometry(), box->isModal()});
    return true;
  };
  QTimer::singleShot(0, [&] {
    if (!look()) return;
    QWidget* first = QApplication::activeModalWidget();
    QTimer::singleShot(0, [&] {
      look();
      QApplication::activeModalWidget()->close();
      QTimer::singleShot(0, [first] { first->close(); });
    });
    EXPECT_EQ(DialogOwner(), first);
    real.Message("second", MsgIcon::Information, kAppTitle);
  });
  real.Message("first", MsgIcon::Information, kAppTitle);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].parent, frame);
  EXPECT_TRUE(seen[0].modal);
  EXPECT_LE((seen[0].geometry.center() - frame->frameGeometry().center()).manhattanLength(), 2);
  EXPECT_NE(seen[1].parent, nullptr);
  EXPECT_NE(seen[1].parent, frame);
  EXPECT_TRUE(seen[1].modal);
}

TEST(QtDialogsTest, FiltersBecomeQtNameFilters) {
  EXPECT_EQ(QtNameFilters("Datoteke (*.eka) |*.eka"), "Datoteke (*.eka)");
  EXPECT_EQ(QtNameFilters("Web Pages (*.HTML)|*.HTML"), "Web Pages (*.HTML)");
  EXPECT_EQ(QtNameFilters("Workbooks|*.eka|All|*"), "Workbooks (*.eka);;All (*)");
}

TEST(QtDialogsTest, ANameWithoutExtensionGetsTheFiltersOwn) {
  EXPECT_EQ(DefaultSuffix("Datoteke (*.eka) |*.eka"), "eka");
  EXPECT_EQ(DefaultSuffix("Web Pages (*.HTML)|*.HTML"), "HTML");
  EXPECT_EQ(DefaultSuffix("All|*"), "");
  struct Case {
    const char* typed;
    const char* kept;
  } cases[] = {
      {"/home/ana/acme", "/home/ana/acme.eka"},
      {"/home/ana/acme.eka", "/home/ana/acme.eka"},
      {"/home/ana/acme.txt", "/home/ana/acme.txt"},  // another extension stays as typed
      {"/home/ana.b/acme", "/home/ana.b/acme.eka"},  // a dot in a folder is no extension
      {"/home/ana/", "/home/ana/"},                  // a folder, not a name
      {"", ""},                                      // cancelled
  };
  for (const Case& c : cases) EXPECT_EQ(WithDefaultSuffix(c.typed, "eka"), c.kept) << c.typed;
  EXPECT_EQ(WithDefaultSuffix("/home/ana/acme", ""), "/home/ana/acme");
}

// The file dialogs start where the workbook is, or in the documents folder
// while none is named; never in the program's working folder.
TEST_F(ShellTest, FileDialogsStartInTheWorkbooksFolderOrTheDocuments) {
  RegisterAllTargets();
  Form2a* m = Main();
  const std::string documents = DocumentsFolder();
  EXPECT_TRUE(fs::is_directory(documents));
  QTest::mouseClick(m->Picture9, Qt::LeftButton);  // cancelled
  QTest::mouseClick(m->Picture11, Qt::LeftButton);
  ASSERT_EQ(dialogs.openFolders.size(), 1u);
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.openFolders[0], documents);
  EXPECT_EQ(dialogs.saveRequests[0].suggested, documents + "/");
  EXPECT_EQ(dialogs.saveRequests[0].defaultExtension, "eka");

  WriteWorkbook(Path("a.eka"), "abc");
  dialogs.openAnswers = {Path("a.eka")};
  QTest::mouseClick(m->Picture9, Qt::LeftButton);
  QTest::mouseClick(m->Picture9, Qt::LeftButton);
  QTest::mouseClick(m->Picture11, Qt::LeftButton);
  EXPECT_EQ(dialogs.openFolders.back(), dir.string());
  EXPECT_EQ(dialogs.saveRequests.back().suggested, Path("a.eka"));
  // A workbook whose folder has gone: its name, in the documents folder.
  s->FileName = Path("gone/b.eka");
  QTest::mouseClick(m->Picture9, Qt::LeftButton);
  QTest::mouseClick(m->Picture11, Qt::LeftButton);
  EXPECT_EQ(dialogs.openFolders.back(), documents);
  EXPECT_EQ(dialogs.saveRequests.back().suggested, documents + "/b.eka");
}

// A name typed without an extension is saved as a workbook the Open
// dialog shows, in Save As and in the save dialog of Exit.
TEST_F(ShellTest, SaveAsAndExitAddTheWorkbookExtension) {
  RegisterAllTargets();
  Form2a* m = Main();
  dialogs.saveAnswers = {Path("acme"), Path("notes.txt"), Path("last")};
  QTest::mouseClick(m->Picture11, Qt::LeftButton);
  EXPECT_EQ(s->FileName, Path("acme.eka"));
  EXPECT_TRUE(fs::exists(Path("acme.eka")));
  EXPECT_FALSE(fs::exists(Path("acme")));
  EXPECT_EQ(m->Text1->text().toStdString(), Path("acme.eka"));
  QTest::mouseClick(m->Picture11, Qt::LeftButton);
  EXPECT_EQ(s->FileName, Path("notes.txt"));
  EXPECT_TRUE(fs::exists(Path("notes.txt")));
  dialogs.yesNoAnswers = {true};
  QTest::mouseClick(m->Picture8, Qt::LeftButton);
  EXPECT_TRUE(nav->QuitRequested());
  EXPECT_TRUE(fs::exists(Path("last.eka")));
  EXPECT_FALSE(fs::exists(Path("last")));
}

TEST_F(ShellTest, Screenshots) {
  RegisterAllTargets();
  for (int16_t language : {kCroatian, kEnglish}) {
    Form2a* m = Main(language);
    m->adjustSize();
    m->grab().save(QString("/tmp/morvadel_form2a_%1.png").arg(language));
    nav->Show(FormId::Form1);
    nav->ProcessPending();
    nav->Current()->adjustSize();
    nav->Current()->grab().save("/tmp/morvadel_form1.png");
  }
}

}  // namespace
}  // namespace morvadel
