// Every window of the program, as a user meets it: one that holds a grid, a
// chart or a text grows with its frame (the banner spanning the width) and
// can be maximised; one of buttons keeps its size and cannot be maximised.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QLayout>
#include <QTextEdit>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "compare/common_size.h"
#include "compare/compare_forms.h"
#include "compare/compare_result.h"
#include "compare/form50.h"
#include "compare/graphs.h"
#include "entry/entry_forms.h"
#include "entry/for20.h"
#include "entry/for21.h"
#include "entry/form8.h"
#include "model/recalc.h"
#include "platform/chart.h"
#include "platform/form.h"
#include "platform/grid.h"
#include "platform/navigator.h"
#include "platform/pictures.h"
#include "ratios/ratio_forms.h"
#include "ratios/unos2.h"
#include "shell/form2a.h"
#include "test_app.h"

namespace morvadel {
namespace {

class WindowRoom : public ::testing::Test, protected test::TestApp {
 protected:
  void SetUp() override {
    Reset({RegisterShellForms, RegisterEntryForms, RegisterRatioForms, RegisterCompareForms});
    for (int j = 1; j <= 2; ++j) {
      s->ItemTable(101, j) = Cell::Text("Šibenik " + std::to_string(2002 + j));
      s->ItemTable(102, j) = Cell::Text("365");
      for (int row : {202, 203, 204, 226, 227, 301, 302})
        s->ItemTable(row, j) = Cell::Text(std::to_string(100 * j + row));
    }
    s->FileName = "/tmp/room.eka";
    RecalculateStatements(*s);
    ApplyCompareResult(*s, ComputeCommonSizeBalance(*s));
    ApplyCompareResult(*s, ComputeCommonSizeIncome(*s));
    const int accounts[] = {200, 212, 300};
    AssignAccountSlots(*s, accounts);
    FillValueGraphBuffers(*s);
  }

  // The area of the largest grid, chart or text of the window.
  static int ContentArea(const QWidget* w) {
    int area = 0;
    for (const QWidget* c : w->findChildren<QWidget*>()) {
      if (!c->isVisible()) continue;
      if (qobject_cast<const Grid*>(c) || qobject_cast<const Chart*>(c) || qobject_cast<const QTextEdit*>(c))
        area = std::max(area, c->width() * c->height());
    }
    return area;
  }
};

struct RoomCase {
  const char* name;
  FormId id;
  bool grows;
  std::function<void(SharedState&)> settings;
};

// Every window of the program; the comparison window twice, in two views.
const std::vector<RoomCase>& RoomCases() {
  static const std::vector<RoomCase> cases = {
      {"start", FormId::Form1, false, {}},
      {"main", FormId::Form2a, false, {}},
      {"general data", FormId::for7, false, {}},
      {"statement sheet", FormId::form8, true, [](SharedState& st) { SetStatementSheetSettings(st, 2); }},
      {"conversion", FormId::For20, false, {}},
      {"inflation", FormId::For21, false, {}},
      {"ratio group", FormId::Form11, false, {}},
      {"ratio overview", FormId::Form3, false, {}},
      {"ratio", FormId::Unos2, true, [](SharedState& st) { st.RatioCode = 11; }},
      {"ratio help", FormId::Form18, true, [](SharedState& st) { st.RatioCode = 11; }},
      {"industry view", FormId::form50, true, [](SharedState& st) { SetCompareViewSettings(st, 1); }},
      {"common size", FormId::form50, true, [](SharedState& st) { SetCompareViewSettings(st, 9); }},
      {"source help", FormId::Form19, true, [](SharedState& st) { st.ReportCode = 1; }},
      {"common-size graphs", FormId::form60, true,
       [](SharedState& st) {
         SetGraphGroupSettings(st, 52);
         st.SelectedPeriod = 1;
       }},
      {"value-graph options", FormId::Form16, false, {}},
      {"value graphs", FormId::Form55, true, {}},
  };
  return cases;
}

TEST_F(WindowRoom, WindowsWithContentGrowAndTheOthersCannotBeMaximised) {
  for (int16_t language : {kCroatian, kEnglish}) {
    s->Language = language;
    for (const RoomCase& c : RoomCases()) {
      SCOPED_TRACE(std::string(c.name) + (language == kCroatian ? " (hr)" : " (en)"));
      if (c.settings) c.settings(*s);
      nav->Show(c.id);
      nav->ProcessPending();
      Form* w = nav->Current();
      ASSERT_NE(w, nullptr);
      ASSERT_EQ(w->id(), c.id);
      QApplication::processEvents();
      EXPECT_EQ(w->Grows(), c.grows);
      // The frame has the window's size rules; the window fills it.
      QWidget* frame = w->window();
      const QSize before = frame->size();
      EXPECT_EQ(w->size(), before);
      if (!c.grows) {
        EXPECT_EQ(frame->minimumSize(), before);
        EXPECT_EQ(frame->maximumSize(), before);
        continue;
      }
      EXPECT_EQ(frame->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
      const int areaBefore = ContentArea(w);
      ASSERT_GT(areaBefore, 0);
      frame->resize(before + QSize(300, 200));
      QApplication::processEvents();
      if (w->layout()) w->layout()->activate();
      EXPECT_EQ(w->size(), before + QSize(300, 200));
      EXPECT_GT(ContentArea(w), areaBefore);
      for (const BannerPicture* banner : w->findChildren<BannerPicture*>()) {
        if (!banner->isVisible()) continue;
        EXPECT_EQ(banner->width(), w->width());
      }
    }
  }
}

// The keyboard focus lands where the window's load puts it, or on its
// first control, however many windows came before it in the frame.
TEST_F(WindowRoom, FocusLandsWhereEachWindowsLoadPutsIt) {
  auto grid = [](Form* w) -> QWidget* { return w->findChild<Grid*>("Tablica"); };
  const std::map<FormId, std::function<QWidget*(Form*)>> chosen = {
      {FormId::for7, grid},
      {FormId::form8, grid},
      {FormId::Unos2, [](Form* w) -> QWidget* { return dynamic_cast<Unos2&>(*w).Tablica; }},
      {FormId::form50, grid},
      {FormId::form60, grid},
      {FormId::For20, [](Form* w) -> QWidget* { return dynamic_cast<For20&>(*w).Text1; }},
      {FormId::For21, [](Form* w) -> QWidget* { return dynamic_cast<For21&>(*w).Posto1[7]; }},
  };
  for (int round = 0; round < 2; ++round) {
    for (const RoomCase& c : RoomCases()) {
      SCOPED_TRACE(std::string(c.name) + " round " + std::to_string(round));
      if (c.settings) c.settings(*s);
      nav->Show(c.id);
      nav->ProcessPending();
      QApplication::processEvents();
      Form* w = nav->Current();
      ASSERT_NE(w, nullptr);
      ASSERT_TRUE(w->window()->isActiveWindow());
      QWidget* focus = QApplication::focusWidget();
      if (auto it = chosen.find(c.id); it != chosen.end())
        EXPECT_EQ(focus, it->second(w));
      else
        EXPECT_TRUE(focus && w->isAncestorOf(focus) && focus->isVisible());
    }
  }
}

// The run has one desktop window: every window change, to another window,
// to the same one again, from a maximised one, through a window loaded
// unseen, by the close box, keeps it, and leaves nothing of the window
// before it; Exit takes it off the screen.
TEST_F(WindowRoom, EveryWindowChangeKeepsTheOneFrameAndLeavesNothingBehind) {
  QPointer<QWidget> frame;
  bool first = true;
  QPointer<Form> before;
  auto expectOnlyIn = [&](Form* w, const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_NE(w, nullptr);
    if (first) frame = w->window();
    first = false;
    ASSERT_NE(frame, nullptr) << "the first window's frame is gone";
    EXPECT_NE(w, frame.data());
    EXPECT_EQ(w->window(), frame.data());
    EXPECT_EQ(w->parentWidget(), frame.data());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(frame->windowTitle(), w->windowTitle());
    EXPECT_EQ(QApplication::topLevelWidgets(), QWidgetList{frame.data()});
    EXPECT_EQ(frame->findChildren<Form*>().size(), 1);
    if (before && before != w) ADD_FAILURE() << "the window before is still there";
    before = w;
  };
  auto go = [&](FormId id) {
    nav->Show(id);
    nav->ProcessPending();
    QApplication::processEvents();
    return nav->Current();
  };
  for (int16_t language : {kCroatian, kEnglish}) {
    s->Language = language;
    for (const RoomCase& c : RoomCases()) {
      if (c.settings) c.settings(*s);
      expectOnlyIn(go(c.id), std::string(c.name) + (language == kCroatian ? " (hr)" : " (en)"));
    }
  }
  ASSERT_NE(frame, nullptr) << "the first window's frame is gone";
  // The same window again, maximised, and on to one of buttons.
  SetStatementSheetSettings(*s, 2);
  expectOnlyIn(go(FormId::form8), "statement sheet");
  frame->showMaximized();
  SetStatementSheetSettings(*s, 3);
  expectOnlyIn(go(FormId::form8), "another sheet, maximised");
  EXPECT_TRUE(frame->isMaximized());
  expectOnlyIn(go(FormId::Form2a), "main from maximised");
  EXPECT_FALSE(frame->isMaximized());
  // The common-size view loads both common-size sections unseen before the
  // graphs come.
  SetCompareViewSettings(*s, 9);
  auto* common = dynamic_cast<Form50*>(go(FormId::form50));
  ASSERT_NE(common, nullptr);
  expectOnlyIn(common, "common size");
  common->Picture8_Click();
  expectOnlyIn(go(FormId::form60), "graphs after the unseen loads");
  ASSERT_NE(frame, nullptr);
  // The frame's close box: back to the main window, then Exit.
  QCloseEvent back;
  QApplication::sendEvent(frame, &back);
  nav->ProcessPending();
  expectOnlyIn(nav->Current(), "close box");
  EXPECT_EQ(nav->Current()->id(), FormId::Form2a);
  dialogs.yesNoAnswers = {false};
  QCloseEvent exit;
  QApplication::sendEvent(frame, &exit);
  EXPECT_TRUE(nav->QuitRequested());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(before, nullptr);
  EXPECT_FALSE(frame->isVisible());
  EXPECT_EQ(QApplication::topLevelWidgets(), QWidgetList{frame.data()});
}

}  // namespace
}  // namespace morvadel
