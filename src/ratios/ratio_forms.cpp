#include "ratios/ratio_forms.h"

#include <memory>

#include "platform/navigator.h"
#include "ratios/form18.h"
#include "ratios/form3.h"
#include "ratios/ratio_group_form.h"
#include "ratios/unos2.h"

namespace morvadel {

FormId GroupWindow(int16_t group) {
  switch (group) {
    case 1: return FormId::Form11;
    case 2: return FormId::Form12;
    case 3: return FormId::Form13;
    case 4: return FormId::Form14;
    case 5: return FormId::Form15;
    default: return FormId::Form2a;
  }
}

void RegisterRatioForms(Navigator& nav) {
  for (const RatioGroupDef& def : RatioGroups()) {
    const RatioGroupDef* d = &def;
    nav.Register(def.id, [d](AppContext& c) { return std::make_unique<RatioGroupForm>(c, *d); });
  }
  nav.Register(FormId::Unos2, [](AppContext& c) { return std::make_unique<Unos2>(c); });
  nav.Register(FormId::Form18, [](AppContext& c) { return std::make_unique<Form18>(c); });
  nav.Register(FormId::Form3, [](AppContext& c) { return std::make_unique<Form3>(c); });
}

}  // namespace morvadel
