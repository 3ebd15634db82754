// gtest main for the tests without windows, set up as the program is.
#include <gtest/gtest.h>

#include "model/atomic_file.h"

int main(int argc, char** argv) {
  morvadel::CatchFileSizeSignal();  // as the program does
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
