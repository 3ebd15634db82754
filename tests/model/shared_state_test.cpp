#include "model/shared_state.h"

#include <unistd.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace morvadel {
namespace {

TEST(SharedState, StartsZeroedAndEmpty) {
  auto s = std::make_unique<SharedState>();
  EXPECT_EQ(s->Language, 0);
  EXPECT_TRUE(s->FileName.empty());
  EXPECT_EQ(s->NewDocFlag, 0);
  EXPECT_EQ(s->RoundArg, 0.0);
  EXPECT_TRUE(s->ItemTable(0, 0).IsEmpty());
  EXPECT_TRUE(s->ItemTable(1650, 16).IsEmpty());
  EXPECT_EQ(s->ItemValues(1600, 6), 0);
  EXPECT_EQ(s->ConvWork(27, 6).raw, 0);
  EXPECT_TRUE(s->Company(5, 2).IsEmpty());
  EXPECT_EQ(s->RatioPeriods(5, 17).raw, 0);
  EXPECT_EQ(s->ChartValues(13, 10).raw, 0);
  EXPECT_TRUE(s->ChartLabels(13, 1).IsEmpty());
  EXPECT_EQ(s->SelectedAccounts(5, 5), 0);
}

TEST(SharedStateDeathTest, IndexOutsideATableStopsTheProgram) {
  auto s = std::make_unique<SharedState>();
  EXPECT_DEATH(s->ItemTable(1651, 0), "check failed");
  EXPECT_DEATH(s->ItemTable(0, 17), "check failed");
  EXPECT_DEATH(s->ItemValues(-1, 0), "check failed");
  EXPECT_DEATH(s->Company(6, 0), "check failed");
  EXPECT_DEATH(s->RatioPeriods(0, 18), "check failed");
  EXPECT_DEATH(s->ChartValues(14, 0), "check failed");
  EXPECT_DEATH(s->ChartLabels(0, 2), "check failed");
  EXPECT_DEATH(s->SelectedAccounts(0, 6), "check failed");
}

TEST(SharedState, UnitTextByUnitAndLanguage) {
  struct Case {
    int16_t unit, language;
    const char* expected;
  } cases[] = {
      {0, 1, "  ( x 1.000)"}, {1, 1, "  ( x 1,000.000)"}, {0, 2, "  ( x 1,000)"},
      {1, 2, "  ( x 1,000,000)"}, {2, 2, "kept"}, {0, 0, "kept"},
  };
  for (const auto& c : cases) {
    auto s = std::make_unique<SharedState>();
    s->UnitText = "kept";
    s->UnitIndex = c.unit;
    s->Language = c.language;
    ApplyUnitText(*s);
    EXPECT_EQ(s->UnitText, c.expected);
  }
}

TEST(SharedState, EnableAverageOptionSetsTheFlag) {
  auto s = std::make_unique<SharedState>();
  EnableAverageOption(*s);
  EXPECT_EQ(s->AverageOffered, kFlagOn);
}

TEST(FileExists, OnlyExistingRegularFiles) {
  auto dir = std::filesystem::temp_directory_path() / ("morvadel_exists_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  auto file = dir / "a.eka";
  std::ofstream(file) << "x";
  EXPECT_TRUE(FileExists(file.string()));
  EXPECT_FALSE(FileExists((dir / "missing.eka").string()));
  EXPECT_FALSE(FileExists(dir.string()));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists((dir / "*.eka").string()));
  EXPECT_FALSE(FileExists((dir / "a.ek?").string()));
  EXPECT_FALSE(FileExists(std::string("bad\0name", 8)));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace morvadel
