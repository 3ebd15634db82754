#pragma once
// The program as the window tests run it: a shared state, a navigator and
// fake dialogs tied together by one application context, with the windows a
// test needs registered.
#include <initializer_list>
#include <memory>

#include "fake_dialogs.h"
#include "model/shared_state.h"
#include "platform/app_context.h"
#include "platform/navigator.h"

namespace morvadel::test {

struct TestApp {
  using RegisterForms = void (*)(Navigator&);

  std::unique_ptr<SharedState> s;
  FakeDialogs dialogs;
  std::unique_ptr<Navigator> nav;
  std::unique_ptr<AppContext> ctx;

  TestApp() = default;
  TestApp(const TestApp&) = delete;
  TestApp& operator=(const TestApp&) = delete;
  // The windows go first: they hold the context, the state and the dialogs.
  ~TestApp() { nav.reset(); }

  // A fresh program with the windows of `registers` (e.g. RegisterShellForms).
  // The fake dialogs keep their queued answers and records.
  void Reset(std::initializer_list<RegisterForms> registers) {
    nav.reset();
    ctx.reset();
    s = std::make_unique<SharedState>();
    nav = std::make_unique<Navigator>();
    ctx = std::make_unique<AppContext>(AppContext{*s, *nav, dialogs});
    nav->SetContext(ctx.get());
    for (RegisterForms r : registers) r(*nav);
  }
};

}  // namespace morvadel::test
