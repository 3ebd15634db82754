#include "model/workbook_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "file_size_limit.h"
#include "model/codepage.h"
#include "model/labels.h"
#include "unprivileged.h"

namespace morvadel {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitCrLf(const std::string& data) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < data.size()) {
    size_t end = data.find("\r\n", pos);
    if (end == std::string::npos) {
      lines.push_back(data.substr(pos));
      break;
    }
    lines.push_back(data.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

class WorkbookFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("morvadel_wb_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    s_ = std::make_unique<SharedState>();
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }
  std::string Path(const char* name) const { return (dir_ / name).string(); }

  fs::path dir_;
  std::unique_ptr<SharedState> s_;
};

TEST_F(WorkbookFileTest, NewEmptyWorkbookRoundTripsToTheSameLines) {
  BrisiDatoteku(*s_);
  s_->FileName = Path("empty.eka");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  std::string first = ReadAll(s_->FileName);
  auto lines = SplitCrLf(first);
  ASSERT_EQ(lines.size(), 25615u);
  for (int i = 0; i < 25600; ++i) ASSERT_EQ(lines[static_cast<size_t>(i)], "\"\"") << i + 1;
  EXPECT_EQ(lines[25600], "\"\"");  // currency name
  EXPECT_EQ(lines[25601], "0");     // unit
  for (int i = 25602; i < 25614; ++i) EXPECT_EQ(lines[static_cast<size_t>(i)], "") << "never-assigned company cell";
  EXPECT_EQ(lines[25614], "0");

  auto t = std::make_unique<SharedState>();
  t->FileName = s_->FileName;
  ASSERT_TRUE(CitajDatoteku(*t).ok());
  EXPECT_TRUE(t->Company(1, 1).IsEmpty());  // an empty line stays a cell never assigned
  EXPECT_TRUE(t->ItemTable(1, 1).IsText());
  ASSERT_TRUE(WriteDataFile(*t).ok());
  EXPECT_TRUE(ReadAll(t->FileName) == first);
}

TEST_F(WorkbookFileTest, CellsStandOnTheirLines) {
  s_->ItemTable(1, 1) = Cell::Int32(5);
  s_->ItemTable(1, 2) = Cell::Text("abc");
  s_->ItemTable(2, 1) = Cell::Text("line17");
  s_->ItemTable(205, 1) = Cell::Int32(100);
  s_->ItemTable(205, 2) = Cell::Money(Currency::FromRaw(125000));
  s_->ItemTable(205, 3) = Cell::Double(-0.5);
  s_->CurrencyName = "EUR";
  s_->UnitIndex = 1;
  s_->Company(1, 1) = Cell::Text("Tvrtka d.o.o.");
  s_->ShowCompany = 1;
  s_->FileName = Path("lines.eka");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  auto lines = SplitCrLf(ReadAll(s_->FileName));
  ASSERT_EQ(lines.size(), 25615u);
  EXPECT_EQ(lines[0], "5");
  EXPECT_EQ(lines[1], "\"abc\"");
  EXPECT_EQ(lines[2], "");  // never assigned
  EXPECT_EQ(lines[16], "\"line17\"");
  EXPECT_EQ(lines[3264], "100");
  EXPECT_EQ(lines[3265], "12.5");
  EXPECT_EQ(lines[3266], "-0.5");
  EXPECT_EQ(lines[kCurrencyLine - 1], "\"EUR\"");
  EXPECT_EQ(lines[kUnitLine - 1], "1");
  EXPECT_EQ(lines[25605], "\"Tvrtka d.o.o.\"");  // Company(1, 1)
  EXPECT_EQ(lines[kShowCompanyLine - 1], "1");

  auto t = std::make_unique<SharedState>();
  t->Language = kEnglish;
  t->FileName = s_->FileName;
  ASSERT_TRUE(CitajDatoteku(*t).ok());
  // A number line keeps its characters, so it reads alike in every locale.
  EXPECT_EQ(t->ItemTable(1, 1), Cell::FileNumber("5"));
  EXPECT_EQ(t->ItemTable(1, 2), Cell::Text("abc"));
  EXPECT_TRUE(t->ItemTable(1, 3).IsEmpty());
  EXPECT_EQ(t->ItemTable(205, 2), Cell::FileNumber("12.5"));
  EXPECT_EQ(t->ItemValues(205, 1), 100);
  EXPECT_EQ(t->ItemValues(205, 2), 12);  // ties to even
  EXPECT_EQ(t->ItemValues(205, 3), 0);
  EXPECT_EQ(t->CurrencyName, "EUR");
  EXPECT_EQ(t->UnitIndex, 1);
  EXPECT_EQ(t->UnitText, "  ( x 1,000,000)");
  EXPECT_EQ(t->ShowCompany, 1);
  EXPECT_EQ(t->Company(1, 1).text(), "Tvrtka d.o.o.");
  EXPECT_TRUE(t->Company(0, 0).IsEmpty());
}

TEST_F(WorkbookFileTest, CroatianLettersAreWindows1250Bytes) {
  s_->ItemTable(1, 1) = Cell::Text("čćđšžČĆĐŠŽ");
  s_->ItemTable(1, 2) = Cell::Text("€");  // the euro sign is in the code page
  s_->FileName = Path("hr.eka");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  auto lines = SplitCrLf(ReadAll(s_->FileName));
  EXPECT_EQ(lines[0], "\"\xE8\xE6\xF0\x9A\x9E\xC8\xC6\xD0\x8A\x8E\"");
  EXPECT_EQ(lines[1], "\"\x80\"");
  auto t = std::make_unique<SharedState>();
  t->FileName = s_->FileName;
  ASSERT_TRUE(CitajDatoteku(*t).ok());
  EXPECT_EQ(t->ItemTable(1, 1).text(), "čćđšžČĆĐŠŽ");
  EXPECT_EQ(t->ItemTable(1, 2).text(), "€");
  EXPECT_EQ(t->FileEncoding, TextEncoding::Windows1250);
}

// A letter the code page has no place for ("è" of "Crème", a Cyrillic
// name) is never saved as "?": such a workbook is written in UTF-8, which
// Open reads back as it was typed.
TEST_F(WorkbookFileTest, ALetterTheCodePageLacksIsNeverLost) {
  struct Case {
    const char* name;
    std::function<void(SharedState&, const std::string&)> put;
    std::function<std::string(const SharedState&)> get;
  } cases[] = {
      {"cell", [](SharedState& s, const std::string& t) { s.ItemTable(101, 1) = Cell::Text(t); },
       [](const SharedState& s) { return s.ItemTable(101, 1).text(); }},
      {"company", [](SharedState& s, const std::string& t) { s.Company(1, 1) = Cell::Text(t); },
       [](const SharedState& s) { return s.Company(1, 1).text(); }},
      {"currency", [](SharedState& s, const std::string& t) { s.CurrencyName = t; },
       [](const SharedState& s) { return s.CurrencyName; }},
  };
  const std::string typed = "Crème Žumberak Ω Жито";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto w = std::make_unique<SharedState>();
    w->ItemTable(1, 1) = Cell::Text("čćđšž");
    c.put(*w, typed);
    w->FileName = Path("mixed.eka");
    ASSERT_TRUE(SaveDataFile(*w).ok());
    const std::string bytes = ReadAll(w->FileName);
    EXPECT_EQ(bytes.find('?'), std::string::npos);
    auto t = std::make_unique<SharedState>();
    t->FileName = w->FileName;
    ASSERT_TRUE(CitajDatoteku(*t).ok());
    EXPECT_EQ(c.get(*t), typed);
    EXPECT_EQ(t->ItemTable(1, 1).text(), "čćđšž");
    EXPECT_EQ(t->FileEncoding, TextEncoding::Utf8);
  }
}

TEST_F(WorkbookFileTest, QuotesAndLineBreaksCannotShiftTheFile) {
  s_->ItemTable(1, 1) = Cell::Text("say \"hi\"\r\nnext");
  s_->Company(1, 1) = Cell::Text("A \"B\"");
  s_->FileName = Path("quotes.eka");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  auto lines = SplitCrLf(ReadAll(s_->FileName));
  ASSERT_EQ(lines.size(), 25615u);
  EXPECT_EQ(lines[0], "\"say 'hi'  next\"");
  auto t = std::make_unique<SharedState>();
  t->FileName = s_->FileName;
  ASSERT_TRUE(CitajDatoteku(*t).ok());
  EXPECT_EQ(t->Company(1, 1).text(), "A 'B'");
}

TEST_F(WorkbookFileTest, ReadReplacesEveryValueOfThePreviousWorkbook) {
  s_->ItemTable(205, 1) = Cell::Int32(100);
  s_->ItemTable(101, 1) = Cell::Text("2025");
  s_->ItemTable(101, 2) = Cell::Text("Firma A");
  s_->FileName = Path("a.eka");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  auto t = std::make_unique<SharedState>();
  t->ItemValues(206, 1) = 999;
  t->ItemTable(206, 1) = Cell::Int32(999);
  t->FileName = s_->FileName;
  t->NewDocFlag = kFlagOn;
  ASSERT_TRUE(CitajDatoteku(*t).ok());
  EXPECT_EQ(t->ItemValues(205, 1), 100);
  EXPECT_EQ(t->ItemValues(206, 1), 0);
  EXPECT_EQ(t->ItemValues(101, 1), 2025);
  EXPECT_EQ(t->ItemValues(101, 2), 0);
  EXPECT_EQ(t->ItemTable(101, 2).text(), "Firma A");  // a name that is no number stays
  EXPECT_EQ(t->NewDocFlag, kFlagOn);                  // the reader leaves the flag
}

TEST_F(WorkbookFileTest, BadFilesChangeNothingAndSayWhy) {
  s_->FileName = Path("good.eka");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  const std::string good = ReadAll(s_->FileName);
  auto lines = SplitCrLf(good);

  auto write = [&](const char* name, const std::vector<std::string>& ls) {
    std::ofstream out(Path(name), std::ios::binary);
    for (const auto& l : ls) out << l << "\r\n";
    return Path(name);
  };
  auto shortLines = lines;
  shortLines.resize(25000);
  auto badUnit = lines;
  badUnit[kUnitLine - 1] = "\"tisuće\"";
  auto halfUnit = lines;
  halfUnit[kUnitLine - 1] = "0.5";
  auto badShow = lines;
  badShow[kShowCompanyLine - 1] = "";

  struct Case {
    std::string path;
    FileError::Kind kind;
    int line;
  } cases[] = {
      {write("short.eka", shortLines), FileError::Kind::TooShort, 25001},
      {write("unit.eka", badUnit), FileError::Kind::BadUnitIndex, kUnitLine},
      {write("half.eka", halfUnit), FileError::Kind::BadUnitIndex, kUnitLine},
      {write("show.eka", badShow), FileError::Kind::BadShowCompany, kShowCompanyLine},
      {Path("missing.eka"), FileError::Kind::CannotOpen, 0},
      {dir_.string(), FileError::Kind::NotAFile, 0},
  };
  for (const auto& c : cases) {
    auto t = std::make_unique<SharedState>();
    t->ItemTable(205, 1) = Cell::Text("77");
    t->ItemValues(205, 1) = 77;
    t->UnitIndex = 1;
    t->FileName = c.path;
    FileError e = CitajDatoteku(*t);
    EXPECT_EQ(e.kind, c.kind) << c.path;
    EXPECT_EQ(e.line, c.line) << c.path;
    EXPECT_EQ(t->ItemTable(205, 1).text(), "77");
    EXPECT_EQ(t->ItemValues(205, 1), 77);
    EXPECT_EQ(t->UnitIndex, 1);
    EXPECT_EQ(t->FileName, c.path);
    EXPECT_EQ(t->NewDocFlag, 0);
    std::string msg = DescribeFileError(e, c.path, kEnglish);
    EXPECT_NE(msg.find(c.path), std::string::npos) << msg;
    if (c.line) {
      EXPECT_NE(msg.find(std::to_string(c.line)), std::string::npos) << msg;
    }
    EXPECT_NE(DescribeFileError(e, c.path, kCroatian), msg);
  }
}

// The file's numbers are written with a point whatever the locale; a file
// written in one locale opens with the same figures in the other, and a
// save writes its number lines back as they were.
TEST_F(WorkbookFileTest, NumbersReadAlikeInEveryLocale) {
  s_->DecimalMark = ',';
  s_->ItemTable(205, 1) = Cell::Int32(1234);
  s_->ItemTable(205, 2) = Cell::Money(Currency::FromRaw(12345000));  // 1234.5
  s_->ItemTable(205, 3) = Cell::Double(-0.25);
  s_->ItemTable(102, 1) = Cell::Int32(365);
  s_->FileName = Path("hr.eka");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  const std::string written = ReadAll(s_->FileName);
  auto lines = SplitCrLf(written);
  EXPECT_EQ(lines[3264], "1234");
  EXPECT_EQ(lines[3265], "1234.5");
  EXPECT_EQ(lines[3266], "-0.25");

  for (char mark : {',', '.'}) {
    SCOPED_TRACE(mark);
    auto t = std::make_unique<SharedState>();
    t->DecimalMark = mark;
    t->FileName = s_->FileName;
    ASSERT_TRUE(CitajDatoteku(*t).ok());
    EXPECT_EQ(t->ItemValues(205, 1), 1234);
    EXPECT_EQ(t->ItemValues(205, 2), 1234);  // 1234.5 to even
    EXPECT_EQ(t->ItemValues(205, 3), 0);
    EXPECT_EQ(t->ItemValues(102, 1), 365);
    EXPECT_EQ(ItemText(*t, 205, 2), mark == ',' ? "1234,5" : "1234.5");
    EXPECT_EQ(ToCurrency(t->ItemTable(205, 3), mark).value.raw, -2500);
    ASSERT_TRUE(SaveDataFile(*t).ok());
    EXPECT_TRUE(ReadAll(t->FileName) == written);  // Open, then Save, changes nothing
  }
}

// A pipe, a device and a folder are each refused at once, without waiting
// for a writer, and named for what they are.
TEST_F(WorkbookFileTest, APipeADeviceOrAFolderIsRefusedAtOnceByWhatItIs) {
  ASSERT_EQ(::mkfifo(Path("pipe.eka").c_str(), 0600), 0);
  struct Case {
    std::string path;
    FileNode node;
    const char* en;
    const char* hr;
  } cases[] = {
      {Path("pipe.eka"), FileNode::Pipe, "is a named pipe, not a workbook file.", "je imenovana cijev (pipe)"},
      {"/dev/null", FileNode::Device, "is a device, not a workbook file.", "je uređaj, a ne datoteka"},
      {dir_.string(), FileNode::Folder, "is a folder, not a workbook file.", "je mapa, a ne datoteka"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    auto t = std::make_unique<SharedState>();
    t->ItemTable(205, 1) = Cell::Text("77");
    t->FileName = c.path;
    ::alarm(10);  // a read that waits for a writer ends the test instead of hanging it
    const FileError e = CitajDatoteku(*t);
    ::alarm(0);
    EXPECT_EQ(e.kind, FileError::Kind::NotAFile);
    EXPECT_EQ(e.node, c.node);
    EXPECT_EQ(t->ItemTable(205, 1), Cell::Text("77"));
    EXPECT_NE(DescribeFileError(e, c.path, kEnglish).find(c.path + " " + c.en), std::string::npos)
        << DescribeFileError(e, c.path, kEnglish);
    EXPECT_NE(DescribeFileError(e, c.path, kCroatian).find(c.hr), std::string::npos)
        << DescribeFileError(e, c.path, kCroatian);
  }
}

// The lines of a hand-written workbook, every other line the empty text.
std::string HandWritten(const std::map<int, std::string>& lines, const std::string& end = "\r\n") {
  std::string out;
  for (int i = 1; i <= kWorkbookLines; ++i) {
    auto it = lines.find(i);
    out += it != lines.end() ? it->second : (i == kUnitLine || i == kShowCompanyLine ? "0" : "\"\"");
    out += end;
  }
  return out;
}

// The line of ItemTable(r, c).
int LineOf(int r, int c) { return (r - 1) * 16 + c; }

TEST_F(WorkbookFileTest, BlanksAndCarriageReturnsAfterTheClosingQuoteAreNoPartOfTheText) {
  std::ofstream(Path("cr.eka"), std::ios::binary)
      << HandWritten({{LineOf(1, 1), "\"abc\"  "}, {LineOf(1, 2), "\"a b \"\r"}, {LineOf(1, 3), "\"x\" \t\r"},
                      {LineOf(205, 1), "12\r"}, {kCurrencyLine, "\"EUR\" "}, {LineOf(1, 4), "\"open"}});
  s_->FileName = Path("cr.eka");
  ASSERT_TRUE(CitajDatoteku(*s_).ok());
  EXPECT_EQ(s_->ItemTable(1, 1), Cell::Text("abc"));
  EXPECT_EQ(s_->ItemTable(1, 2), Cell::Text("a b "));
  EXPECT_EQ(s_->ItemTable(1, 3), Cell::Text("x"));
  EXPECT_EQ(s_->ItemTable(1, 4), Cell::Text("open"));  // no closing quote: the rest of the line
  EXPECT_EQ(s_->ItemValues(205, 1), 12);
  EXPECT_EQ(s_->CurrencyName, "EUR");
}

// A line that is not quoted is kept as its characters, a carriage return
// inside it too; for the format's other readers a bare CR ends a line, so
// a CR or LF inside a value is written as a blank, as it is in a text. The
// only CRs and LFs of a written workbook are its line ends.
TEST_F(WorkbookFileTest, ALineBreakInsideAnUnquotedLineIsWrittenAsABlank) {
  std::ofstream(Path("cr.eka"), std::ios::binary)
      << HandWritten({{LineOf(205, 1), "12\r3"}, {LineOf(1, 5), "a\r\rb \"c\""}, {kCompanyFirstLine + 3, "Firma\rA"}});
  s_->FileName = Path("cr.eka");
  ASSERT_TRUE(CitajDatoteku(*s_).ok());
  EXPECT_EQ(s_->ItemTable(205, 1), Cell::FileNumber("12\r3"));
  s_->ItemTable(205, 2) = Cell::FileNumber("7\n8\r\n9");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  const auto lines = SplitCrLf(ReadAll(s_->FileName));
  ASSERT_EQ(lines.size(), 25615u);
  for (size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << "a CR or LF inside line " << i + 1;
  EXPECT_EQ(lines[LineOf(205, 1) - 1], "12 3");
  EXPECT_EQ(lines[LineOf(205, 2) - 1], "7 8  9");
  EXPECT_EQ(lines[LineOf(1, 5) - 1], "a  b \"c\"");
  EXPECT_EQ(lines[kCompanyFirstLine + 2], "Firma A");
}

// The Croatian letters of a UTF-8 file, with or without the mark, are read
// as UTF-8, and Save writes the file back unchanged.
TEST_F(WorkbookFileTest, UTF8FilesAreReadAsUTF8AndWrittenBackAsTheyWere) {
  const std::map<int, std::string> lines = {
      {LineOf(1, 1), "\"Šibenik – Žminj\""}, {LineOf(101, 1), "\"2019.\""}, {LineOf(205, 1), "1234.5"},
      {kCurrencyLine, "\"KUNA\""}, {kCompanyFirstLine + 3, "\"Čađa d.o.o.\""}};
  const std::string plain = HandWritten(lines);
  struct Case {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
  } cases[] = {
      {"bom.eka", "\xEF\xBB\xBF" + plain, TextEncoding::Utf8WithBom},
      {"utf8.eka", plain, TextEncoding::Utf8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::ofstream(Path(c.name), std::ios::binary) << c.bytes;
    auto t = std::make_unique<SharedState>();
    t->FileName = Path(c.name);
    ASSERT_TRUE(CitajDatoteku(*t).ok());
    EXPECT_EQ(t->FileEncoding, c.encoding);
    EXPECT_EQ(t->ItemTable(1, 1), Cell::Text("Šibenik – Žminj"));
    EXPECT_EQ(t->Company(1, 1), Cell::Text("Čađa d.o.o."));
    EXPECT_EQ(t->ItemValues(205, 1), 1234);
    ASSERT_TRUE(SaveDataFile(*t).ok());
    EXPECT_TRUE(ReadAll(t->FileName) == c.bytes) << "Open, then Save, changed the file";
  }
  // The same letters in Windows-1250 are not UTF-8: read as the code page.
  std::ofstream(Path("cp.eka"), std::ios::binary) << HandWritten({{LineOf(1, 1), "\"\x8Aibenik \x8Eminj\""}});
  auto t = std::make_unique<SharedState>();
  t->FileName = Path("cp.eka");
  ASSERT_TRUE(CitajDatoteku(*t).ok());
  EXPECT_EQ(t->FileEncoding, TextEncoding::Windows1250);
  EXPECT_EQ(t->ItemTable(1, 1), Cell::Text("Šibenik Žminj"));
}

// A Windows-1250 workbook that a tool gave a UTF-8 mark keeps its letters:
// the rest is read as the code page, and Save writes the mark back in front
// of it.
TEST_F(WorkbookFileTest, AMarkInFrontOfACodePageWorkbookLosesNoLetterAndNoByte) {
  const std::string bytes =
      "\xEF\xBB\xBF" + HandWritten({{LineOf(1, 1), "\"\x8Aibenik \x8Eminj\""}, {LineOf(205, 1), "1234.5"},
                                  {kCurrencyLine, "\"KN\""}, {kCompanyFirstLine + 3, "\"\xC8" "a\xF0" "a d.o.o.\""}});
  std::ofstream(Path("marked.eka"), std::ios::binary) << bytes;
  auto t = std::make_unique<SharedState>();
  t->FileName = Path("marked.eka");
  ASSERT_TRUE(CitajDatoteku(*t).ok());
  EXPECT_EQ(t->FileEncoding, TextEncoding::Windows1250WithBom);
  EXPECT_EQ(t->ItemTable(1, 1), Cell::Text("Šibenik Žminj"));  // the mark is no part of the first cell
  EXPECT_EQ(t->Company(1, 1), Cell::Text("Čađa d.o.o."));
  EXPECT_EQ(t->CurrencyName, "KN");
  EXPECT_EQ(t->ItemValues(205, 1), 1234);
  ASSERT_TRUE(SaveDataFile(*t).ok());
  EXPECT_TRUE(ReadAll(t->FileName) == bytes) << "Open, then Save, changed the file";

  // A letter the code page lacks turns the file into UTF-8, the mark kept.
  t->Company(1, 1) = Cell::Text("Crème Čađa");
  ASSERT_TRUE(SaveDataFile(*t).ok());
  const std::string utf8 = ReadAll(t->FileName);
  EXPECT_EQ(utf8.substr(0, 3), "\xEF\xBB\xBF");
  auto u = std::make_unique<SharedState>();
  u->FileName = t->FileName;
  ASSERT_TRUE(CitajDatoteku(*u).ok());
  EXPECT_EQ(u->FileEncoding, TextEncoding::Utf8WithBom);
  EXPECT_EQ(u->ItemTable(1, 1), Cell::Text("Šibenik Žminj"));
  EXPECT_EQ(u->Company(1, 1), Cell::Text("Crème Čađa"));
}

// A UTF-8 workbook into which a Windows-1250 editor typed a letter keeps
// every letter: the UTF-8 letters read as UTF-8 and each stray byte as its
// Windows-1250 letter, and Save writes the file in UTF-8, with the mark
// when it had one. Only the lines Open reads decide how they are read: a
// byte after the last line, which Save drops, decides nothing. And a
// Windows-1250 file in which two letters happen to form a UTF-8 sequence
// ("ĐŠ" is D0 8A) is read as Windows-1250 as long as its stray bytes are
// not outnumbered.
TEST_F(WorkbookFileTest, AFileOfMixedBytesKeepsEveryLetter) {
  const std::string mark = "\xEF\xBB\xBF";
  // "Šibenik i Korčula", "Bačva" and the company with the "č"s as C4 8D, or
  // as the Windows-1250 byte E8.
  auto mixed = [](const char* c) {
    return HandWritten({{LineOf(1, 1), std::string("\"Šibenik i Kor") + c + "ula\""},
                        {LineOf(1, 2), std::string("\"Ba") + c + "va\""},
                        {kCompanyFirstLine + 3, "\"Čađa d.o.o.\""}});
  };
  const std::string utf8 = mixed("č"), stray = mixed("\xE8");
  // One UTF-8 letter: a single stray byte counted with it would make the
  // file Windows-1250.
  const std::string oneLetter = HandWritten({{LineOf(1, 1), "\"Šibenik\""}});
  const std::string codePage =
      HandWritten({{LineOf(1, 1), "\"\x8Aibenik \x8Eminj\""}, {LineOf(1, 2), "\"\xD0\x8A d.o.o.\""}});
  struct Case {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
    std::string first, second, company;  // ItemTable(1, 1) and (1, 2) and Company(1, 1) as read
    std::string saved;
  } cases[] = {
      {"stray bytes", stray, TextEncoding::Utf8, "Šibenik i Korčula", "Bačva", "Čađa d.o.o.", utf8},
      {"stray bytes after a mark", mark + stray, TextEncoding::Utf8WithBom, "Šibenik i Korčula", "Bačva",
       "Čađa d.o.o.", mark + utf8},
      {"a byte after the last line", oneLetter + "\xE8", TextEncoding::Utf8, "Šibenik", "", "", oneLetter},
      {"a mark and a byte after the last line", mark + oneLetter + "\x9A", TextEncoding::Utf8WithBom, "Šibenik", "",
       "", mark + oneLetter},
      {"UTF-8 letters after the last line of a Windows-1250 file", codePage + "\"Čćž\"\r\n",
       TextEncoding::Windows1250, "Šibenik Žminj", "ĐŠ d.o.o.", "", codePage},
      {"a Windows-1250 file with a UTF-8 sequence by chance", codePage, TextEncoding::Windows1250, "Šibenik Žminj",
       "ĐŠ d.o.o.", "", codePage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::ofstream(Path("mixed.eka"), std::ios::binary) << c.bytes;
    auto t = std::make_unique<SharedState>();
    t->FileName = Path("mixed.eka");
    ASSERT_TRUE(CitajDatoteku(*t).ok());
    EXPECT_EQ(t->FileEncoding, c.encoding);
    EXPECT_EQ(t->ItemTable(1, 1).text(), c.first);
    EXPECT_EQ(t->ItemTable(1, 2).text(), c.second);
    EXPECT_EQ(t->Company(1, 1).text(), c.company);
    ASSERT_TRUE(SaveDataFile(*t).ok());
    EXPECT_TRUE(ReadAll(t->FileName) == c.saved) << "Save wrote other bytes";
  }
}

// Workbooks as the Windows program writes them: Windows-1250, no mark,
// every text but the company name ASCII. Upper-case letters followed by
// punctuation, a no-break space or another capital form UTF-8 sequences of
// characters no workbook holds ("Ć–" is C6 96, UTF-8 "Ɩ"), which count for
// the code page; a UTF-8 workbook's sequences are letters and punctuation,
// and with a few Windows-1250 letters typed into it it still keeps every
// letter.
TEST_F(WorkbookFileTest, CompanyNamesInCapitalsReadAsWritten) {
  const struct Case {
    std::string bytes;  // the company name's line
    const char* name;   // as read
    TextEncoding encoding;
  } cases[] = {
      {"\"\x84IVI\xC6\x96MARI\xC6\x94 d.o.o.\"", "„IVIĆ–MARIĆ” d.o.o.", TextEncoding::Windows1250},
      {"\"PERI\xC6\xA0" "d.o.o.\"", "PERIĆ\u00A0d.o.o.", TextEncoding::Windows1250},
      {"\"LJEKARNA \xC8\x8A\"", "LJEKARNA ČŠ", TextEncoding::Windows1250},
      {"\"\xC8\x8A \xC6\x8E \xE8\"", "ČŠ ĆŽ č", TextEncoding::Windows1250},
      {"\"\xC9\x93" "CRAN\x94 \xD6\x96 \xDC\x84\"", "É“CRAN” Ö– Ü„", TextEncoding::Windows1250},
      // UTF-8, and UTF-8 with Windows-1250 letters typed into it.
      {"\"PERI\xC4\x86\xC2\xA0" "d.o.o.\"", "PERIĆ\u00A0d.o.o.", TextEncoding::Utf8},
      {"\"\xE2\x80\x9EIVI\xC4\x86\xE2\x80\x93MARI\xC4\x86\xE2\x80\x9D d.o.o.\"", "„IVIĆ–MARIĆ” d.o.o.",
       TextEncoding::Utf8},
      {"\"\xE2\x80\x9E\xC4\x8C" "a\xC4\x8Di\xC4\x87\xE2\x80\x9D Kor\xE8ula\"", "„Čačić” Korčula", TextEncoding::Utf8},
      {"\"\xD0\x82\xD0\xA3\xD0\xA0\xD0\x82\xD0\x95\xD0\x92\xD0\x98\xD0\x8B \x8A\"", "ЂУРЂЕВИЋ Š",
       TextEncoding::Utf8},
      {"\"Cr\xC3\xA8me \xC4\x8C\x9Ai\xC4\x87\"", "Crème Čšić", TextEncoding::Utf8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string bytes = HandWritten({{kCompanyFirstLine, c.bytes}, {kCurrencyLine, "\"EUR\""}});
    std::ofstream(Path("capitals.eka"), std::ios::binary) << bytes;
    auto t = std::make_unique<SharedState>();
    t->FileName = Path("capitals.eka");
    ASSERT_TRUE(CitajDatoteku(*t).ok());
    EXPECT_EQ(t->Company(0, 0).text(), c.name);
    EXPECT_EQ(t->FileEncoding, c.encoding);
    ASSERT_TRUE(SaveDataFile(*t).ok());
    const std::string saved = ReadAll(t->FileName);
    if (c.encoding == TextEncoding::Windows1250) {
      EXPECT_TRUE(saved == bytes) << "Open, then Save, changed the file";
    }
    auto u = std::make_unique<SharedState>();
    u->FileName = t->FileName;
    ASSERT_TRUE(CitajDatoteku(*u).ok());
    EXPECT_EQ(u->Company(0, 0).text(), c.name) << "Save wrote bytes that read as other letters";
  }
}

// Windows-1250 bytes can happen to form well-formed UTF-8: an upper-case
// letter followed by "š", "ž", "Š" or "Ž" ("Čž" is C8 9E, UTF-8 "Ȟ"), a
// lower-case one followed by two of them. Where Open would read the code
// page's bytes as UTF-8, Save writes the workbook in UTF-8 (with the mark
// when the file had one), and where Open would read UTF-8 as the code
// page, with the mark, so that it reads back as it was saved.
TEST_F(WorkbookFileTest, SaveWritesNoBytesThatOpenReadsAsOtherLetters) {
  const struct Case {
    const char* text;
    TextEncoding from, read;
  } cases[] = {
      // Sequences of letters a workbook holds: "Њ", "é", "„".
      {"ĐŠ", TextEncoding::Windows1250, TextEncoding::Utf8},
      {"Ă©", TextEncoding::Windows1250, TextEncoding::Utf8},
      {"â€ž", TextEncoding::Windows1250, TextEncoding::Utf8},
      // Sequences of characters no workbook holds ("Ȟ", "Ɵ", CJK, beyond
      // U+FFFF) count for the code page.
      {"Čž", TextEncoding::Windows1250, TextEncoding::Windows1250},
      {"Ćž d.o.o.", TextEncoding::Windows1250, TextEncoding::Windows1250},
      {"ČŠ i ĆŽ, Split", TextEncoding::Windows1250, TextEncoding::Windows1250},
      {"čšž", TextEncoding::Windows1250, TextEncoding::Windows1250},   // E8 9A 9E, three bytes of one letter
      {"đšžŠ", TextEncoding::Windows1250, TextEncoding::Windows1250},  // F0 9A 9E 8A, four
      {"ČŠ ĆŽ č", TextEncoding::Windows1250, TextEncoding::Windows1250},  // two sequences and one stray byte
      // A file with the mark and no stray byte is UTF-8.
      {"Čž", TextEncoding::Windows1250WithBom, TextEncoding::Utf8WithBom},
      {"Čž čćš", TextEncoding::Windows1250, TextEncoding::Windows1250},  // one sequence, three stray bytes
      {"ĐŠ, Šibenik", TextEncoding::Windows1250WithBom, TextEncoding::Windows1250WithBom},
      // UTF-8 whose letters alone would read as the code page is written
      // with the mark.
      {"Ơ", TextEncoding::Windows1250, TextEncoding::Utf8WithBom},
      {"Ơ", TextEncoding::Utf8, TextEncoding::Utf8WithBom},
      {"北京 d.o.o.", TextEncoding::Utf8, TextEncoding::Utf8WithBom},
      {"Crème Ơ", TextEncoding::Utf8, TextEncoding::Utf8WithBom},
      {"Crème Ơ Šibenik", TextEncoding::Utf8, TextEncoding::Utf8},
      {"Šibenik", TextEncoding::Utf8, TextEncoding::Utf8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto w = std::make_unique<SharedState>();
    w->FileEncoding = c.from;
    w->Company(1, 1) = Cell::Text(c.text);
    w->FileName = Path("chance.eka");
    ASSERT_TRUE(SaveDataFile(*w).ok());
    const std::string bytes = ReadAll(w->FileName);
    auto t = std::make_unique<SharedState>();
    t->FileName = w->FileName;
    ASSERT_TRUE(CitajDatoteku(*t).ok());
    EXPECT_EQ(t->Company(1, 1).text(), c.text);
    EXPECT_EQ(t->FileEncoding, c.read);
    // Open, then Save, writes the same bytes again, in either encoding.
    ASSERT_TRUE(SaveDataFile(*t).ok());
    EXPECT_TRUE(ReadAll(t->FileName) == bytes) << "Open, then Save, changed the file";
  }
}

// Whatever letters of the code page a workbook holds, in whatever order,
// Save writes bytes that Open reads back as they were saved, marked or not.
TEST_F(WorkbookFileTest, SaveWritesOnlyBytesThatOpenReadsBackAsSaved) {
  uint32_t seed = 2024;
  auto next = [&seed] { return (seed = seed * 1103515245 + 12345) >> 16; };
  const unsigned char pool[] = {'a', ' ', 0x80, 0x84, 0x8A, 0x8E, 0x93, 0x94, 0x96, 0x9A, 0x9E, 0xA0, 0xBF,
                                0xC2, 0xC3, 0xC6, 0xC8, 0xD0, 0xDF, 0xE0, 0xE6, 0xE8, 0xED, 0xF0, 0xF4, 0xFF};
  for (int k = 0; k < 60; ++k) {
    auto w = std::make_unique<SharedState>();
    w->FileEncoding = k % 2 ? TextEncoding::Windows1250WithBom : TextEncoding::Windows1250;
    std::string texts[2];
    for (std::string& text : texts) {
      std::string bytes(next() % 12, ' ');
      for (char& c : bytes) c = static_cast<char>(pool[next() % sizeof pool]);
      text = Cp1250ToUtf8(bytes);
    }
    w->Company(1, 1) = Cell::Text(texts[0]);
    w->ItemTable(1, 2) = Cell::Text(texts[1]);
    w->FileName = Path("random.eka");
    ASSERT_TRUE(SaveDataFile(*w).ok());
    auto t = std::make_unique<SharedState>();
    t->FileName = w->FileName;
    ASSERT_TRUE(CitajDatoteku(*t).ok());
    ASSERT_EQ(t->Company(1, 1).text(), texts[0]) << k;
    ASSERT_EQ(t->ItemTable(1, 2).text(), texts[1]) << k;
  }
}

// A hand-edited line that is not quoted is kept as its characters, so a
// quote inside it is written back as a quote, not as an apostrophe; only a
// text typed by the user has its quotes turned into apostrophes.
TEST_F(WorkbookFileTest, AnUnquotedLineIsWrittenBackWithItsQuotes) {
  const std::map<int, std::string> lines = {{LineOf(205, 1), "12\"3"}, {LineOf(205, 2), "12\""},
                                            {LineOf(205, 3), "a\"b\"c"}, {LineOf(1, 5), " \"x\""},
                                            {LineOf(101, 1), "\xC8\"2019\""}, {kCompanyFirstLine + 3, "Firma \"A\""}};
  for (const char* mark : {"", "\xEF\xBB\xBF"}) {
    SCOPED_TRACE(*mark ? "with a mark" : "without a mark");
    const std::string bytes = mark + HandWritten(lines);
    std::ofstream(Path("quoted.eka"), std::ios::binary) << bytes;
    auto t = std::make_unique<SharedState>();
    t->FileName = Path("quoted.eka");
    ASSERT_TRUE(CitajDatoteku(*t).ok());
    EXPECT_EQ(t->ItemTable(205, 1), Cell::FileNumber("12\"3"));
    EXPECT_EQ(t->ItemTable(101, 1), Cell::FileNumber("Č\"2019\""));
    EXPECT_EQ(t->Company(1, 1), Cell::FileNumber("Firma \"A\""));
    ASSERT_TRUE(SaveDataFile(*t).ok());
    EXPECT_TRUE(ReadAll(t->FileName) == bytes) << "Open, then Save, changed the file";
  }
  // A file number that starts with a quote would read back as a text: the
  // blank in front keeps it a file number.
  s_->ItemTable(1, 1) = Cell::FileNumber("\"7\"");
  s_->ItemTable(1, 2) = Cell::Text("typed \"7\"");
  s_->FileName = Path("typed.eka");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  auto written = SplitCrLf(ReadAll(s_->FileName));
  EXPECT_EQ(written[0], " \"7\"");
  EXPECT_EQ(written[1], "\"typed '7'\"");
}

// A byte Windows-1250 leaves unassigned is read as the control character
// of its number and written back as that byte, in a text, in a line that
// is no number and in the currency, with and without a mark in front.
TEST_F(WorkbookFileTest, AByteTheCodePageLeavesUnassignedIsWrittenBackAsItWasRead) {
  const std::string plain = HandWritten({{LineOf(1, 1), "\"\x8A" "a\x81" "b\x83\""}, {LineOf(1, 2), "\"\x88\x90\x98\""},
                                         {LineOf(205, 1), "12\x98"}, {kCurrencyLine, "\"K\x90N\""}});
  for (const std::string& bytes : {plain, "\xEF\xBB\xBF" + plain}) {
    SCOPED_TRACE(bytes.front() == '\xEF' ? "with a mark" : "without a mark");
    std::ofstream(Path("unassigned.eka"), std::ios::binary) << bytes;
    auto t = std::make_unique<SharedState>();
    t->FileName = Path("unassigned.eka");
    ASSERT_TRUE(CitajDatoteku(*t).ok());
    EXPECT_EQ(t->ItemTable(1, 1), Cell::Text("Ša\u0081b\u0083"));
    ASSERT_TRUE(SaveDataFile(*t).ok());
    EXPECT_TRUE(ReadAll(t->FileName) == bytes) << "Open, then Save, changed the file";
  }
}

// Open followed by Save changes nothing: numbers, texts, empty lines,
// never-assigned company cells and lines that are no number at all.
TEST_F(WorkbookFileTest, OpenThenSaveWritesTheSameBytes) {
  const std::string bytes = HandWritten({{LineOf(1, 1), ".5"}, {LineOf(1, 2), "-0"}, {LineOf(1, 3), ""},
                                         {LineOf(205, 1), "abc"}, {LineOf(205, 2), "1e308"},
                                         {LineOf(205, 3), "2147483648"}, {LineOf(205, 4), "  7 "},
                                         {LineOf(101, 1), "\"Firma d.d.\""}, {kCompanyFirstLine, ""},
                                         {kUnitLine, "1"}, {kShowCompanyLine, "1"}});
  std::ofstream(Path("same.eka"), std::ios::binary) << bytes;
  for (char mark : {',', '.'}) {
    SCOPED_TRACE(mark);
    auto t = std::make_unique<SharedState>();
    t->DecimalMark = mark;
    t->FileName = Path("same.eka");
    ASSERT_TRUE(CitajDatoteku(*t).ok());
    EXPECT_EQ(t->ItemValues(205, 4), 7);
    ASSERT_TRUE(SaveDataFile(*t).ok());
    EXPECT_TRUE(ReadAll(t->FileName) == bytes) << "Open, then Save, changed the file";
  }
}

TEST_F(WorkbookFileTest, ReadWithoutFileNameMarksANewDocument) {
  s_->ItemTable(205, 1) = Cell::Text("5");
  ASSERT_TRUE(CitajDatoteku(*s_).ok());
  EXPECT_EQ(s_->NewDocFlag, kFlagOn);
  EXPECT_EQ(s_->ItemValues(205, 1), 5);
}

TEST_F(WorkbookFileTest, FailedWriteKeepsTheOldFileAndIsReported) {
  s_->FileName = Path("keep.eka");
  s_->ItemTable(1, 1) = Cell::Text("old");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  const std::string before = ReadAll(s_->FileName);
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                            fs::perms::others_exec);
  s_->ItemTable(1, 1) = Cell::Text("new");
  const Outcome e = RunUnprivileged([this] { return SaveDataFile(*s_); });
  fs::permissions(dir_, fs::perms::owner_all);
  EXPECT_EQ(e.kind, FileError::Kind::WriteFailed);
  EXPECT_NE(e.sysError, 0);
  EXPECT_EQ(ReadAll(s_->FileName), before);
}

// A file-size limit (ulimit -f) makes the write fail part way, as a full
// disk does: the save goes on to its message instead of the process ending.
TEST_F(WorkbookFileTest, FullDiskKeepsTheOldFileAndIsReported) {
  s_->FileName = Path("full.eka");
  s_->ItemTable(1, 1) = Cell::Text("old");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  const std::string before = ReadAll(s_->FileName);
  s_->ItemTable(1, 1) = Cell::Text("new");
  const std::string said = test::UnderFileSizeLimit(4096, [this] {
    const FileError e = SaveDataFile(*s_);
    return e.kind == FileError::Kind::WriteFailed ? DescribeFileError(e, s_->FileName, kEnglish) : "saved";
  });
  EXPECT_EQ(said, "The workbook could not be saved to " + s_->FileName +
                      " (the disk is full). The existing file was left as it was.");
  EXPECT_EQ(ReadAll(s_->FileName), before);
  for (const auto& entry : fs::directory_iterator(dir_))
    EXPECT_EQ(entry.path().filename().string(), "full.eka") << "temporary file left";
}

TEST_F(WorkbookFileTest, WriteIntoAMissingFolderOrOverAFolderFails) {
  s_->FileName = Path("no/such/folder/x.eka");
  EXPECT_EQ(SaveDataFile(*s_).kind, FileError::Kind::WriteFailed);
  fs::create_directories(dir_ / "sub.eka");
  s_->FileName = Path("sub.eka");
  EXPECT_EQ(SaveDataFile(*s_).kind, FileError::Kind::NotAFile);
  EXPECT_TRUE(fs::is_directory(dir_ / "sub.eka"));
  for (const auto& entry : fs::directory_iterator(dir_))
    EXPECT_EQ(entry.path().filename().string().find(".sub.eka."), std::string::npos) << "temporary file left";
}

TEST_F(WorkbookFileTest, SaveKeepsThePermissionsOfTheOldFile) {
  s_->FileName = Path("perm.eka");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  fs::permissions(s_->FileName, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  EXPECT_EQ(fs::status(s_->FileName).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(WorkbookFileTest, SaveWithoutFileNameWritesNothing) {
  EXPECT_TRUE(SaveDataFile(*s_).ok());
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(WorkbookFileTest, LabelColumnsTravelWithTheFile) {
  FillBalanceSheetLabelsHr(*s_);
  s_->FileName = Path("labels.eka");
  ASSERT_TRUE(SaveDataFile(*s_).ok());
  auto t = std::make_unique<SharedState>();
  t->FileName = s_->FileName;
  ASSERT_TRUE(CitajDatoteku(*t).ok());
  EXPECT_EQ(t->ItemTable(205, 15).text(), "Novac i utržive vrijednosnice");
  EXPECT_TRUE(t->ItemTable(5, 0).IsEmpty());  // column 0 is not stored
}

TEST_F(WorkbookFileTest, AcceptsLineFeedsAndFractionsWithoutLeadingZero) {
  std::ofstream out(Path("lf.eka"), std::ios::binary);
  for (int i = 1; i <= kWorkbookLines; ++i) {
    if (i == 3265) {
      out << ".5\n";
    } else if (i == kUnitLine || i == kShowCompanyLine) {
      out << "1\n";
    } else {
      out << "\"\"\n";
    }
  }
  out.close();
  s_->FileName = Path("lf.eka");
  ASSERT_TRUE(CitajDatoteku(*s_).ok());
  EXPECT_EQ(s_->ItemTable(205, 1), Cell::FileNumber(".5"));
  EXPECT_EQ(s_->ItemValues(205, 1), 0);  // a half rounds to even
  EXPECT_EQ(s_->ShowCompany, 1);
}

}  // namespace
}  // namespace morvadel
