#include <gtest/gtest.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <memory>

#include "fake_dialogs.h"
#include "child_process.h"
#include "file_size_limit.h"
#include "model/shared_state.h"
#include "platform/chart.h"
#include "platform/pictures.h"
#include "platform/printer.h"
#include "platform/qt_printer.h"
#include "platform/recording_printer.h"
#include "platform/user_account.h"

namespace morvadel {
namespace {

constexpr double kEps = 1e-9;

TEST(Printer, TwipsUntilInchesAreAskedForAndPrintMovesToTheNextLine) {
  RecordingPrinter p;
  EXPECT_EQ(p.ScaleMode(), kScaleTwips);
  p.Line(1440, 1440, 14832, 10080, true);
  ASSERT_EQ(p.lines.size(), 1u);
  EXPECT_NEAR(p.lines[0].x2, 10.3, kEps);
  EXPECT_NEAR(p.lines[0].y2, 7, kEps);
  const double twips = p.TextWidth("Balance Sheet");
  p.SetScaleMode(kScaleInches);
  EXPECT_NEAR(p.TextWidth("Balance Sheet") * 1440, twips, 1e-6);
  p.SetScaleMode(3);  // not a mode of ours: ignored
  EXPECT_EQ(p.ScaleMode(), kScaleInches);

  p.SetCurrentX(2);
  p.SetCurrentY(3);
  p.Print("first");
  EXPECT_EQ(p.CurrentX(), 0);
  EXPECT_GT(p.CurrentY(), 3.1);
  EXPECT_LT(p.CurrentY(), 3.3);
  EXPECT_NEAR(p.texts.at(0).x, 2, kEps);
  EXPECT_NEAR(p.texts.at(0).y, 3, kEps);
}

TEST(Printer, EndDocEndsOnlyAPageThatHasSomethingOnIt) {
  RecordingPrinter p;
  p.EndDoc();
  EXPECT_EQ(p.pagesEnded, 0);
  EXPECT_EQ(p.PageCount(), 0);
  p.Print("one");
  EXPECT_EQ(p.PageCount(), 1);
  p.EndDoc();
  p.EndDoc();
  EXPECT_EQ(p.pagesEnded, 1);
  p.Print("two");
  EXPECT_TRUE(p.EndJob());
  EXPECT_EQ(p.pagesEnded, 2);
  EXPECT_EQ(p.jobsEnded, 1);
  EXPECT_EQ(p.texts.at(0).page, 0);
  EXPECT_EQ(p.texts.at(1).page, 1);
}

TEST(Printer, PicturesStandAtTheirOwnSizeOrStretched) {
  RecordingPrinter p;
  p.SetScaleMode(kScaleInches);
  QImage picture(300, 150, QImage::Format_RGB32);
  picture.setDotsPerMeterX(qRound(150 / 0.0254));
  picture.setDotsPerMeterY(qRound(150 / 0.0254));
  p.PaintPicture(picture, 1.3, 4.8);
  p.PaintPicture(picture, 1.02, 2.25, 9.25, 2);
  p.PaintPicture(QImage(), 1, 1);  // no picture, nothing painted
  ASSERT_EQ(p.pictures.size(), 2u);
  EXPECT_NEAR(p.pictures[0].width, 2, 1e-3);
  EXPECT_NEAR(p.pictures[0].height, 1, 1e-3);
  EXPECT_NEAR(p.pictures[1].width, 9.25, kEps);
  EXPECT_NEAR(p.pictures[1].height, 2, kEps);
  EXPECT_NEAR(p.pictures[1].x, 1.02, kEps);

  // A recorded drawing the same way: its bounding rectangle over its
  // resolution, or stretched.
  const QPicture drawing =
      RecordDrawing(QSizeF(2, 1), 1, [](QPainter& painter) { painter.fillRect(QRectF(0, 0, 2, 1), Qt::red); });
  EXPECT_NEAR(PictureInches(drawing).width(), 2, 1e-9);
  EXPECT_NEAR(PictureInches(drawing).height(), 1, 1e-9);
  p.PaintPicture(drawing, 1.3, 4.8);
  p.PaintPicture(drawing, 1.02, 2.25, 9.25, 2);
  p.PaintPicture(QPicture(), 1, 1);  // nothing painted
  ASSERT_EQ(p.pictures.size(), 4u);
  EXPECT_TRUE(p.pictures[2].IsDrawing());
  EXPECT_NEAR(p.pictures[2].width, 2, 1e-9);
  EXPECT_NEAR(p.pictures[2].height, 1, 1e-9);
  EXPECT_NEAR(p.pictures[3].width, 9.25, kEps);
  EXPECT_NEAR(p.pictures[3].height, 2, kEps);
  // As pixels: red where it paints, the paper elsewhere.
  const QImage pixels = PictureImage(drawing, 50);
  ASSERT_EQ(pixels.size(), QSize(100, 50));
  EXPECT_EQ(pixels.pixelColor(50, 25), QColor(Qt::red));
  const QPicture half =
      RecordDrawing(QSizeF(2, 1), 1, [](QPainter& painter) { painter.fillRect(QRectF(0, 0, 1, 1), Qt::red); });
  EXPECT_EQ(PictureImage(half, 50).pixelColor(75, 25), QColor(Qt::white));
  EXPECT_EQ(qAlpha(PictureImage(half, 50, Qt::transparent).pixel(75, 25)), 0);
}

TEST(Printer, NumbersStandBetweenBlanksAsThePrinterWritesThem) {
  EXPECT_EQ(PrinterNumber(1), " 1 ");
  EXPECT_EQ(PrinterNumber(200), " 200 ");
  EXPECT_EQ(PrinterNumber(0), " 0 ");
  EXPECT_EQ(PrinterNumber(-3), "-3 ");
}

TEST(Printer, NamedFontsResolveToTheFacesThatStandInForThem) {
  struct Case {
    const char* name;
    const char* family;
    bool fixed;
  } cases[] = {
      {"Arial", "Liberation Sans", false},
      {"Courier New", "Liberation Mono", true},
      {"Ms Sans Serif", "Liberation Sans", false},
      {"MS Sans Serif", "Liberation Sans", false},
  };
  for (const Case& c : cases) {
    const QFontInfo info(Printer::ResolveFont(c.name, 10, false));
    EXPECT_EQ(info.family().toStdString(), c.family) << c.name;
    EXPECT_EQ(info.fixedPitch(), c.fixed) << c.name;
  }
  RecordingPrinter p;
  p.SetFontName("Courier New");
  p.SetFontSize(10);
  EXPECT_NEAR(p.TextWidth("MMMMMMMM"), p.TextWidth("iiiiiiii"), 1e-6);  // the columns stay straight
  p.SetScaleMode(kScaleInches);
  EXPECT_NEAR(p.TextWidth("12345678"), 8 * 0.6 * 10 / 72, 0.01);       // 0.6 em a character
}

TEST(Printer, PrintCenteredCentresOnThePrintableWidth) {
  RecordingPrinter p(10.5);
  p.SetOrientation(kLandscape);
  p.SetScaleMode(kScaleInches);
  p.SetFontSize(20);
  const double width = p.TextWidth("Income Statement");
  p.SetCurrentY(1.1);
  PrintCentered(p, "Income Statement", 2);
  p.SetCurrentX(3);
  p.SetCurrentY(2);
  PrintCentered(p, "left as it is", 1);
  EXPECT_NEAR(p.texts.at(0).x, (10.5 - width) / 2, kEps);
  EXPECT_NEAR(p.texts.at(1).x, 3, kEps);
  p.SetOrientation(kPortrait);
  EXPECT_NEAR(p.ScaleWidth(), 8.0, kEps);
}

class PrintCommand : public ::testing::Test {
 protected:
  int runs = 0;
  bool Run(int16_t language) {
    return RunPrintCommand(dialogs, language, [this](Printer& p) {
      ++runs;
      p.Print("page one");
      p.EndDoc();
      p.Print("page two");
    });
  }
  // The print dialog's answer: a printer into the PDF file `path`, started
  // as the dialog starts it.
  std::shared_ptr<QtPrinter> AnswerWithPdfFile(const QString& path) {
    auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->setOutputFormat(QPrinter::PdfFormat);
    device->setOutputFileName(path);
    auto printer = std::make_shared<QtPrinter>(std::move(device));
    printer->Start();
    dialogs.printerAnswers.push_back(printer);
    return printer;
  }
  FakeDialogs dialogs;
};

TEST_F(PrintCommand, OneDialogOneJobAndThePagesInIt) {
  auto recording = std::make_shared<RecordingPrinter>();
  dialogs.printerAnswers.push_back(recording);
  EXPECT_TRUE(Run(kEnglish));
  EXPECT_EQ(dialogs.printerCalls, 1);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(recording->pagesEnded, 2);
  EXPECT_EQ(recording->jobsEnded, 1);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PrintCommand, CancelledDialogPrintsNothingAndSaysNothing) {
  EXPECT_FALSE(Run(kEnglish));  // no answer queued: the user cancels
  EXPECT_EQ(dialogs.printerCalls, 1);
  EXPECT_EQ(runs, 0);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PrintCommand, PrinterThatFailsAtTheEndIsReportedInTheLanguage) {
  auto recording = std::make_shared<RecordingPrinter>();
  recording->FailOnEnd();
  dialogs.printerAnswers.push_back(recording);
  EXPECT_FALSE(Run(kEnglish));
  EXPECT_EQ(runs, 1);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Printing failed: the printer could not start or reported an error.");
  EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Critical);
}

// A print into a PDF file, and the folder it leaves.
class PrintIntoFile : public PrintCommand {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString Path(const QString& name) const { return dir.filePath(name); }
  static QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
  }
  static void WriteAll(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(data), data.size());
  }
  // Every name in a folder, hidden ones (a temporary file) included.
  QStringList Files(const QString& folder = QString()) const {
    return QDir(folder.isEmpty() ? dir.path() : folder)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  }
  // A PDF of two pages, as this printer writes it.
  QByteArray PrintedPdf() {
    const QString path = Path("first.pdf");
    AnswerWithPdfFile(path);
    EXPECT_TRUE(Run(kEnglish));
    const QByteArray pdf = ReadAll(path);
    QFile::remove(path);
    return pdf;
  }
  static bool WholePdf(const QByteArray& data) { return data.startsWith("%PDF-") && data.right(64).contains("%%EOF"); }
  QTemporaryDir dir;
};

// The file takes the old one's place only once it was written whole: a
// link stays a link to it, and it keeps the old file's permissions.
TEST_F(PrintIntoFile, PdfWrittenWholeTakesThePlaceOfTheOldFile) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
  const QString real = Path("real/report.pdf"), link = Path("report.pdf");
  ASSERT_NO_FATAL_FAILURE(WriteAll(real, "the old report"));
  ASSERT_TRUE(QFile::setPermissions(real, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
  ASSERT_TRUE(QFile::link(real, link));

  const auto printer = AnswerWithPdfFile(link);
  EXPECT_TRUE(Run(kEnglish));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_TRUE(WholePdf(ReadAll(real)));
  EXPECT_EQ(QFile::permissions(real), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                          QFileDevice::ReadUser | QFileDevice::WriteUser);
  EXPECT_EQ(Files(), QStringList({"real", "report.pdf"}));
  EXPECT_EQ(Files(Path("real")), QStringList({"report.pdf"}));
  EXPECT_EQ(printer->device().outputFileName(), link);  // the name the dialog gave

  // A new name.
  AnswerWithPdfFile(Path("new.pdf"));
  EXPECT_TRUE(Run(kEnglish));
  EXPECT_TRUE(WholePdf(ReadAll(Path("new.pdf"))));
  EXPECT_EQ(Files(), QStringList({"new.pdf", "real", "report.pdf"}));
}

// A PDF that cannot be written whole (the disk fills during the job; a
// file-size limit stands for the disk) leaves the old file byte for byte,
// or nothing where there was none, and the message names the file and why.
TEST_F(PrintIntoFile, PdfThatCannotBeWrittenWholeLeavesWhatWasThere) {
  const QByteArray old = PrintedPdf();
  ASSERT_TRUE(WholePdf(old));
  const std::string path = Path("report.pdf").toStdString();
  struct Case {
    bool existing;
    int16_t language;
    std::string message;
  } cases[] = {
      {true, kEnglish,
       "Printing failed: the file " + path +
           " could not be written (the disk is full). The existing file was left as it was."},
      {false, kEnglish,
       "Printing failed: the file " + path + " could not be written (the disk is full). Nothing was written."},
      {true, kCroatian,
       "Ispis nije uspio: datoteku " + path +
           " nije moguće zapisati (disk je pun). Postojeća datoteka ostala je nepromijenjena."},
  };
  for (const Case& c : cases) {
    QFile::remove(Path("report.pdf"));
    if (c.existing) {
      ASSERT_NO_FATAL_FAILURE(WriteAll(Path("report.pdf"), old));
    }
    const std::string said = test::UnderFileSizeLimit(512, [&] {
      AnswerWithPdfFile(Path("report.pdf"));
      if (Run(c.language)) return std::string("printed");
      return dialogs.messages.size() == 1 ? dialogs.messages[0].text : std::string("no message");
    });
    EXPECT_EQ(said, c.message);
    if (c.existing) {
      EXPECT_TRUE(ReadAll(Path("report.pdf")) == old) << c.message;
      EXPECT_EQ(Files(), QStringList({"report.pdf"}));
    } else {
      EXPECT_EQ(Files(), QStringList()) << c.message;
    }
  }
}

// A job that never ends (the command stopped half way) leaves the old file.
TEST_F(PrintIntoFile, JobThatNeverEndsLeavesWhatWasThere) {
  ASSERT_NO_FATAL_FAILURE(WriteAll(Path("report.pdf"), "the old report"));
  {
    const auto printer = AnswerWithPdfFile(Path("report.pdf"));
    dialogs.printerAnswers.clear();
    ASSERT_TRUE(printer->Start());
    printer->Print("page one");
    printer->EndDoc();
    printer->Print("page two");
  }
  EXPECT_EQ(ReadAll(Path("report.pdf")), "the old report");
  EXPECT_EQ(Files(), QStringList({"report.pdf"}));
}

// A file that cannot even be started is reported, before any page is
// composed, by its name and the reason.
TEST_F(PrintIntoFile, FileThatCannotBeStartedIsReportedBeforeAnyPageIsComposed) {
  struct Case {
    QString path;
    int16_t language;
    std::string message;
  } cases[] = {
      {"/nonexistent-folder/morvadel/report.pdf", kCroatian,
       "Ispis nije uspio: datoteku /nonexistent-folder/morvadel/report.pdf nije moguće zapisati (nema takve datoteke "
       "ili mape). Ništa nije zapisano."},
      {dir.path(), kEnglish,
       "Printing failed: the file " + dir.path().toStdString() + " could not be written (it is a folder). Nothing was "
       "written."},
  };
  for (const Case& c : cases) {
    dialogs.messages.clear();
    runs = 0;
    const auto printer = AnswerWithPdfFile(c.path);
    EXPECT_TRUE(printer->Failed());
    EXPECT_FALSE(Run(c.language));
    EXPECT_EQ(runs, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, c.message);
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Critical);
  }
  EXPECT_EQ(Files(), QStringList());
}

// A PDF writer that cannot start on its file is reported by the system's
// reason for it (here too many files open: the temporary file takes the
// last one the process may have), before any page is composed, and leaves
// what was there.
TEST_F(PrintIntoFile, WriterThatCannotStartOnTheFileSaysWhy) {
  const QByteArray old = PrintedPdf();
  ASSERT_TRUE(WholePdf(old));
  const std::string path = Path("report.pdf").toStdString();
  struct Case {
    bool existing;
    int16_t language;
    std::string message;
  } cases[] = {
      {false, kEnglish,
       "Printing failed: the file " + path + " could not be written (too many files are open). Nothing was written."},
      {true, kCroatian,
       "Ispis nije uspio: datoteku " + path +
           " nije moguće zapisati (otvoreno je previše datoteka). Postojeća datoteka ostala je nepromijenjena."},
  };
  for (const Case& c : cases) {
    QFile::remove(Path("report.pdf"));
    if (c.existing) {
      ASSERT_NO_FATAL_FAILURE(WriteAll(Path("report.pdf"), old));
    }
    const std::string said = test::InChildProcess([&] {
      auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
      device->setOutputFormat(QPrinter::PdfFormat);
      device->setOutputFileName(Path("report.pdf"));
      auto printer = std::make_shared<QtPrinter>(std::move(device));
      // Room for one more open file.
      const int next = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
      if (next < 0) return std::string("no descriptor");
      ::close(next);
      rlimit limit{};
      ::getrlimit(RLIMIT_NOFILE, &limit);
      const rlimit usual = limit;
      limit.rlim_cur = static_cast<rlim_t>(next) + 1;
      if (::setrlimit(RLIMIT_NOFILE, &limit) != 0) return std::string("no limit");
      const bool started = printer->Start();
      ::setrlimit(RLIMIT_NOFILE, &usual);  // the rest as usual (the sanitizers open files of their own)
      if (started) return std::string("started");
      dialogs.printerAnswers.push_back(printer);
      runs = 0;
      if (Run(c.language)) return std::string("printed");
      if (runs != 0) return std::string("pages composed");
      return dialogs.messages.size() == 1 ? dialogs.messages[0].text : std::string("no message");
    });
    EXPECT_EQ(said, c.message);
    if (c.existing) {
      EXPECT_TRUE(ReadAll(Path("report.pdf")) == old) << c.message;
      EXPECT_EQ(Files(), QStringList({"report.pdf"}));
    } else {
      EXPECT_EQ(Files(), QStringList()) << c.message;
    }
  }
}

// A file the user may write is printed over whatever else its permissions
// deny, and keeps them: the PDF writer opens the new file by its name and
// reads it back, which its permissions from the old file would forbid its
// owner (the user) until the file takes the old one's place. Run as the
// unprivileged user nobody where the tests run as root, so that the
// system's checks apply.
TEST_F(PrintIntoFile, FileTheUserMayWriteIsPrintedOverAndKeepsItsPermissions) {
  constexpr uid_t kNobody = 65534;
  const bool root = ::geteuid() == 0;
  const std::string folder = dir.path().toStdString(), path = Path("report.pdf").toStdString();
  if (root) {
    ASSERT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0);
  }
  struct Case {
    const char* what;
    bool usersOwn;  // else another user's, written through the group
    mode_t mode;
  } cases[] = {
      {"the user's own, which the user may not read", true, 0200},
      {"another user's, which the group may read and write", false, 0060},
  };
  for (const Case& c : cases) {
    if (!c.usersOwn && !root) continue;  // another user's file needs root to set up
    QFile::remove(Path("report.pdf"));
    ASSERT_NO_FATAL_FAILURE(WriteAll(Path("report.pdf"), "the old report"));
    if (root) {
      ASSERT_EQ(::chown(path.c_str(), c.usersOwn ? kNobody : 0, kNobody), 0);
    }
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    const std::string said = test::InChildProcess([&] {
      if (root && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
        return std::string("not nobody");
      AnswerWithPdfFile(Path("report.pdf"));
      if (Run(kEnglish)) return std::string("printed");
      return dialogs.messages.size() == 1 ? dialogs.messages[0].text : std::string("no message");
    });
    EXPECT_EQ(said, "printed") << c.what;
    EXPECT_TRUE(WholePdf(ReadAll(Path("report.pdf")))) << c.what;
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, c.mode) << c.what;
    EXPECT_EQ(Files(), QStringList({"report.pdf"})) << c.what;
  }
}

// A device is written as it is: there is no file to put in its place.
TEST_F(PrintIntoFile, DeviceIsWrittenAsItIs) {
  AnswerWithPdfFile("/dev/null");
  EXPECT_TRUE(Run(kEnglish));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(QFileInfo("/dev/null").isFile());
}

TEST(ChartPicture, TheDrawingHasTheSizeAskedFor) {
  Chart chart;
  chart.SetColumnCount(6);
  for (int c = 1; c <= 6; ++c) {
    chart.SetColumn(c);
    chart.SetData(QString::number(c * 10));
  }
  for (QSize twips : {QSize(4000, 3000), QSize(7000, 6500), QSize(8000, 4500)}) {
    const QSizeF inches = PictureInches(chart.Picture(twips.width(), twips.height()));
    EXPECT_NEAR(inches.width(), twips.width() / 1440.0, 0.01);
    EXPECT_NEAR(inches.height(), twips.height() / 1440.0, 0.01);
  }
  const QImage pixels = PictureImage(chart.Picture(4000, 3000), 300);
  EXPECT_NEAR(pixels.width(), 4000 / 1440.0 * 300, 3);
}

TEST(RatioTableBackground, RulesFallBetweenThePrintedRowsAndColumns) {
  constexpr int kDpi = 300;
  const QImage table = PictureImage(RatioTableBackground(), kDpi);
  ASSERT_EQ(table.size(), QSize(2775, 600));
  const QSizeF inches = PictureInches(table);
  EXPECT_NEAR(inches.width(), 9.25, 0.01);
  // Page positions of the printed lines (tops; about 0.16 high) and of the
  // value fields (12 characters of Courier New 10, from 3.6 in steps of 1.1).
  const double lineTops[] = {2.46, 2.71, 3.05, 3.36, 3.66, 3.96};
  const double bottoms[] = {2.62, 2.92, 3.22, 3.56, 3.86, 4.16};
  auto px = [&](double pageX, double pageY) {
    return table.pixelColor(qRound((pageX - 1.02) * kDpi), qRound((pageY - 2.25) * kDpi));
  };
  for (int c = 0; c < 6; ++c) {
    const double fieldLeft = 3.6 + 1.1 * c, fieldRight = fieldLeft + 1.0;
    for (int line = 0; line < 6; ++line) {
      const QColor inside = px(fieldLeft + 0.5, (lineTops[line] + bottoms[line]) / 2);
      // No rule across a printed line or through a value field.
      for (double y = lineTops[line]; y <= bottoms[line]; y += 0.01)
        EXPECT_EQ(px(fieldLeft + 0.5, y), inside) << "column " << c << " line " << line << " y " << y;
      for (double x = fieldLeft; x <= fieldRight; x += 0.01)
        EXPECT_EQ(px(x, (lineTops[line] + bottoms[line]) / 2), inside) << "column " << c << " line " << line;
      // A rule between this line and the next.
      if (line < 5) {
        bool ruled = false;
        for (double y = bottoms[line]; y <= lineTops[line + 1]; y += 0.005)
          ruled = ruled || px(fieldLeft + 0.5, y).lightness() < inside.lightness() - 40;
        EXPECT_TRUE(ruled) << "column " << c << " line " << line;
      }
    }
    // A rule left of every value field.
    bool ruled = false;
    for (double x = fieldLeft - 0.1; x <= fieldLeft; x += 0.005) ruled = ruled || px(x, 3.1).lightness() < 225;
    EXPECT_TRUE(ruled) << "column " << c;
  }
}

TEST(ReporterName, FullNameFromTheAccountElseTheLoginName) {
  struct Case {
    const char* comment;
    const char* login;
    const char* expected;
  } cases[] = {
      {"Ana Horvat,Room 12,555-1234,,", "ahorvat", "Ana Horvat"},
      {"  Ivo Ivić  ", "ivo", "Ivo Ivić"},
      {"", "ahorvat", "ahorvat"},
      {",,,", "ahorvat", "ahorvat"},
      {"   ", " root ", "root"},
      {"", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ReporterName(c.comment, c.login), c.expected) << c.comment;
  EXPECT_FALSE(SystemReporterName().empty());  // the tests run under some account
}

}  // namespace
}  // namespace morvadel
