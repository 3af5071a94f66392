// Runs the view tests under an offscreen QApplication, so they need no screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <ctime>

#include "ui/application.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // A reader in Taiwan: local dates differ from universal ones for eight
  // hours a day, which the start-up tests rely on.
  qputenv("TZ", "Asia/Taipei");
  tzset();
  Q_INIT_RESOURCE(lunisol);
  QApplication app(argc, argv);
  lunisol::ui::SetUpApplication(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
