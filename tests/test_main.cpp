#include <QCoreApplication>
#include <gtest/gtest.h>

#ifdef PARLHORA_TEST_WIDGETS
#include <QApplication>
#endif

// Every test program gets an application object, so timers, queued calls
// and (for the window tests) widgets work as in the program.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
#ifdef PARLHORA_TEST_WIDGETS
  QApplication app(argc, argv);
#else
  QCoreApplication app(argc, argv);
#endif
  return RUN_ALL_TESTS();
}
