#include "compare/compare_forms.h"

#include "compare/form19.h"
#include "compare/form50.h"

namespace morvadel {

void RegisterCompareForms(Navigator& nav) {
  nav.Register(FormId::form50, [](AppContext& c) { return std::make_unique<Form50>(c); });
  nav.Register(FormId::Form19, [](AppContext& c) { return std::make_unique<Form19>(c); });
}

}  // namespace morvadel
