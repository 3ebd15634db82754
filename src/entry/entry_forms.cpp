#include "entry/entry_forms.h"

#include "entry/for20.h"
#include "entry/for21.h"
#include "entry/for7.h"
#include "entry/form8.h"

namespace morvadel {

void RegisterEntryForms(Navigator& nav) {
  nav.Register(FormId::form8, [](AppContext& c) { return std::make_unique<Form8>(c); });
  nav.Register(FormId::for7, [](AppContext& c) { return std::make_unique<For7>(c); });
  nav.Register(FormId::For20, [](AppContext& c) { return std::make_unique<For20>(c); });
  nav.Register(FormId::For21, [](AppContext& c) { return std::make_unique<For21>(c); });
}

}  // namespace morvadel
