#include "platform/fonts.h"

#include <QStringList>

namespace morvadel {

namespace {

QFont Make(const QStringList& families, QFont::StyleHint hint, double points, bool bold) {
  QFont f(families.front());
  f.setFamilies(families);
  f.setStyleHint(hint);
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

}  // namespace

QFont ArialFont(double points, bool bold) {
  return Make({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}, QFont::SansSerif, points, bold);
}

QFont TimesFont(double points, bool bold) {
  return Make({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")}, QFont::Serif, points, bold);
}

QFont GridFont() { return ArialFont(kGridPointSize); }

}  // namespace morvadel
