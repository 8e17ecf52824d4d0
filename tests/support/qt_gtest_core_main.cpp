// The main of the tests of GUI-free layers: a QCoreApplication, so timers, queued
// signals and posted engine events work without Gui or Widgets, then GoogleTest.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
