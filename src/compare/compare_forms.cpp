#include "compare/compare_forms.h"

#include "compare/form16.h"
#include "compare/form19.h"
#include "compare/form50.h"
#include "compare/form55.h"
#include "compare/form60.h"

namespace morvadel {

void RegisterCompareForms(Navigator& nav) {
  nav.Register(FormId::form50, [](AppContext& c) { return std::make_unique<Form50>(c); });
  nav.Register(FormId::Form19, [](AppContext& c) { return std::make_unique<Form19>(c); });
  nav.Register(FormId::form60, [](AppContext& c) { return std::make_unique<Form60>(c); });
  nav.Register(FormId::Form16, [](AppContext& c) { return std::make_unique<Form16>(c); });
  nav.Register(FormId::Form55, [](AppContext& c) { return std::make_unique<Form55>(c); });
}

}  // namespace morvadel
