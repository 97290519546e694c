// The main of every test program: the platform's application object first,
// since fonts and the raster painter need it.
#include <gtest/gtest.h>

#include "platform/Application.h"

int main(int argc, char** argv) {
  HeadlessSession session(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
