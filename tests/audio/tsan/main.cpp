// The ThreadSanitizer build's test main: Qt Core only (posted engine events need an
// application object), then GoogleTest.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
