#include "shared_state.h"

#include <sys/stat.h>

namespace morvadel {

void EnableAverageOption(SharedState& s) { s.AverageOffered = kFlagOn; }

void ApplyUnitText(SharedState& s) {
  if (s.Language == kCroatian) {
    if (s.UnitIndex == 0) s.UnitText = "  ( x 1.000)";
    if (s.UnitIndex == 1) s.UnitText = "  ( x 1,000.000)";
  } else if (s.Language == kEnglish) {
    if (s.UnitIndex == 0) s.UnitText = "  ( x 1,000)";
    if (s.UnitIndex == 1) s.UnitText = "  ( x 1,000,000)";
  }
}

bool FileExists(const std::string& path) {
  if (path.empty() || path.find_first_of("*?") != std::string::npos) return false;
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string ItemText(const SharedState& s, int row, int col) {
  return CellText(s.ItemTable(row, col), s.DecimalMark);
}

}  // namespace morvadel
