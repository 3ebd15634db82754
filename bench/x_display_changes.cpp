// Window changes on a real X display with a window manager, as the user
// sees them: each change is timed from Navigator::Show until the program's
// window on the screen is exposed and the new window has painted (the first
// time the event loop would wait after the new window's first paint while
// exposed). In the same run, the cost of mapping a new empty top-level of
// the same size until it is exposed and painted. A round is the main
// window, the five statement sheets and five ratio windows; one round warms
// up, five are measured (55 changes). Every time the event loop would wait,
// at least one window of the program must be on the screen; a change where
// none is counts as a gap.
//
// Run by x_display_bench.sh (Xvfb and openbox); arguments: [en|hr] [rounds].
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_app.h"
#include "compare/compare_forms.h"
#include "entry/entry_forms.h"
#include "entry/form8.h"
#include "full_workbook.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/navigator.h"
#include "ratios/ratio_forms.h"
#include "shell/form2a.h"

namespace {

using namespace morvadel;

// Waits for a widget to paint while its window is exposed, then for the
// event loop to have nothing left to do; notes whether the program had no
// window on the screen at any moment the loop would wait.
class PaintWait : public QObject {
 public:
  PaintWait() {
    qApp->installEventFilter(this);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] { AboutToBlock(); });
  }

  // Runs `start` and waits until target() has painted; the time in ms.
  // startedMs: how long `start` itself took.
  double Run(const std::function<QWidget*()>& target, const std::function<void()>& start,
             double* startedMs = nullptr) {
    target_ = target;
    painted_ = false;
    done_ = false;
    gap_ = false;
    timedOut_ = false;
    QEventLoop loop;
    loop_ = &loop;
    QTimer::singleShot(5000, &loop, [&] { timedOut_ = true, loop.quit(); });
    timer_.start();
    start();
    if (startedMs) *startedMs = timer_.nsecsElapsed() / 1e6;
    loop.exec();
    loop_ = nullptr;
    return doneNs_ / 1e6;
  }
  // When the target's first paint began, in ms from the start.
  double FirstPaint() const { return paintNs_ / 1e6; }
  bool Gap() const { return gap_; }
  bool TimedOut() const { return timedOut_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose) CheckScreen();
    if (event->type() == QEvent::Paint && target_ && !painted_) {
      QWidget* t = target_();
      auto* w = qobject_cast<QWidget*>(watched);
      if (t && w && (w == t || t->isAncestorOf(w)) && t->window()->windowHandle() &&
          t->window()->windowHandle()->isExposed())
        painted_ = true, paintNs_ = timer_.nsecsElapsed();
    }
    return false;
  }

 private:
  void CheckScreen() {
    if (!loop_ || done_) return;
    for (QWindow* w : QGuiApplication::topLevelWindows())
      if (w->isExposed()) return;
    gap_ = true;
  }
  void AboutToBlock() {
    if (!loop_ || done_) return;
    CheckScreen();
    if (!painted_) return;
    doneNs_ = timer_.nsecsElapsed();
    done_ = true;
    loop_->quit();
  }

  std::function<QWidget*()> target_;
  QEventLoop* loop_ = nullptr;
  QElapsedTimer timer_;
  qint64 doneNs_ = 0, paintNs_ = 0;
  bool painted_ = false, done_ = false, gap_ = false, timedOut_ = false;
};

void Settle(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

struct Step {
  std::string name;
  FormId id;
  std::function<void(SharedState&)> settings;
};

std::vector<Step> Round() {
  std::vector<Step> steps;
  steps.push_back({"main", FormId::Form2a, {}});
  for (int sheet = 1; sheet <= 5; ++sheet)
    steps.push_back({"sheet " + std::to_string(sheet), FormId::form8,
                     [sheet](SharedState& s) { SetStatementSheetSettings(s, sheet); }});
  for (int code : {11, 21, 31, 41, 51})
    steps.push_back({"ratio " + std::to_string(code), FormId::Unos2, [code](SharedState& s) {
                       s.RatioCode = static_cast<int16_t>(code);
                       s.AverageMode = kFlagOff;
                     }});
  return steps;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  morvadel::Application app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setStyle("Fusion");
  if (QGuiApplication::platformName() != "xcb") {
    std::fprintf(stderr, "needs an X display (platform xcb), not %s\n", qPrintable(QGuiApplication::platformName()));
    return 2;
  }
  const int16_t language = argc > 1 && std::strcmp(argv[1], "hr") == 0 ? kCroatian : kEnglish;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

  auto s = std::make_unique<SharedState>();
  bench::SilentDialogs dialogs;
  Navigator nav;
  AppContext ctx{*s, nav, dialogs};
  nav.SetContext(&ctx);
  RegisterShellForms(nav);
  RegisterEntryForms(nav);
  RegisterRatioForms(nav);
  RegisterCompareForms(nav);
  s->Language = language;
  bench::FillWorkbook(*s);

  PaintWait wait;
  // The change as a command makes it; the event loop would carry out the
  // request next, which is done here at once to see how long the unload,
  // the load and the placing take (`built`) before the picture comes.
  auto change = [&](const Step& step, double* built = nullptr) {
    if (step.settings) step.settings(*s);
    QPointer<Form> old = nav.Current();
    const double ms = wait.Run(
        [&]() -> QWidget* {
          Form* f = nav.Current();
          return f && old.isNull() && !nav.HasPending() ? f : nullptr;
        },
        [&] {
          nav.Show(step.id);
          nav.ProcessPending();
        },
        built);
    Settle(60);
    return ms;
  };
  auto newTopLevel = [&](const QRect& geometry) {
    auto probe = std::make_unique<QWidget>();
    probe->setWindowTitle("probe");
    probe->setGeometry(geometry);
    const double ms = wait.Run([&] { return probe.get(); }, [&] { probe->show(); });
    probe.reset();
    Settle(60);
    return ms;
  };

  change({"main", FormId::Form2a, {}});
  Settle(300);
  QSet<WId> windows;
  std::vector<double> changes, fresh, builds, firstPaints;
  int gaps = 0, timeouts = 0;
  const std::vector<Step> round = Round();
  std::printf("%-10s %10s %9s %12s %14s\n", "window", "change ms", "built ms", "1st paint ms", "new window ms");
  for (int r = 0; r <= rounds; ++r) {
    for (const Step& step : round) {
      double built = 0;
      const double c = change(step, &built);
      const bool gap = wait.Gap();
      const double paintAt = wait.FirstPaint();
      const bool late = wait.TimedOut();
      QWidget* shown = nav.Current();
      const QRect geometry = shown->window()->geometry();
      windows.insert(shown->window()->winId());
      const double n = newTopLevel(geometry);
      if (r == 0) continue;  // the warm-up round
      changes.push_back(c);
      builds.push_back(built);
      firstPaints.push_back(paintAt);
      fresh.push_back(n);
      gaps += gap;
      timeouts += late;
      std::printf("%-10s %10.2f %9.2f %12.2f %14.2f %s\n", step.name.c_str(), c, built, paintAt, n, gap ? "no window on screen" : "");
    }
  }
  const double mc = Median(changes), mn = Median(fresh);
  std::printf("\n%s, %zu changes\n", language == kCroatian ? "Croatian" : "English", changes.size());
  std::printf("change:         median %.2f ms, worst %.2f ms\n", mc, *std::max_element(changes.begin(), changes.end()));
  std::printf("  unloaded, built and placed after: median %.2f ms; first paint began after: median %.2f ms\n",
              Median(builds), Median(firstPaints));
  std::printf("new top-level:  median %.2f ms, worst %.2f ms\n", mn, *std::max_element(fresh.begin(), fresh.end()));
  std::printf("ratio of medians (change / new top-level): %.2f\n", mn > 0 ? mc / mn : 0.0);
  std::printf("changes that left no program window on the screen: %d\n", gaps);
  std::printf("desktop windows the changes were shown in: %lld\n", static_cast<long long>(windows.size()));
  if (timeouts) std::printf("waits that timed out: %d\n", timeouts);
  return 0;
}
