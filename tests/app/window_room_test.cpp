// Every window of the program, as a user meets it: one that holds a grid, a
// chart or a text grows with its frame (the banner spanning the width) and
// can be maximised; one of buttons keeps its size and cannot be maximised.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLayout>
#include <QTextEdit>
#include <functional>
#include <string>

#include "compare/common_size.h"
#include "compare/compare_forms.h"
#include "compare/compare_result.h"
#include "compare/form50.h"
#include "compare/graphs.h"
#include "entry/entry_forms.h"
#include "entry/form8.h"
#include "model/recalc.h"
#include "platform/chart.h"
#include "platform/form.h"
#include "platform/grid.h"
#include "platform/navigator.h"
#include "platform/pictures.h"
#include "ratios/ratio_forms.h"
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

TEST_F(WindowRoom, WindowsWithContentGrowAndTheOthersCannotBeMaximised) {
  const struct Case {
    const char* name;
    FormId id;
    bool grows;
    std::function<void(SharedState&)> settings;
  } cases[] = {
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
  for (int16_t language : {kCroatian, kEnglish}) {
    s->Language = language;
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (language == kCroatian ? " (hr)" : " (en)"));
      if (c.settings) c.settings(*s);
      nav->Show(c.id);
      nav->ProcessPending();
      Form* w = nav->Current();
      ASSERT_NE(w, nullptr);
      ASSERT_EQ(w->id(), c.id);
      QApplication::processEvents();
      EXPECT_EQ(w->Grows(), c.grows);
      const QSize before = w->size();
      if (!c.grows) {
        EXPECT_EQ(w->minimumSize(), w->maximumSize());
        EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
        continue;
      }
      const int areaBefore = ContentArea(w);
      ASSERT_GT(areaBefore, 0);
      w->resize(before + QSize(300, 200));
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

}  // namespace
}  // namespace morvadel
