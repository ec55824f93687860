#include <gtest/gtest.h>

#include <QStringList>

#include "app/StatusLine.h"

using namespace parlhora;

TEST(StatusLine, OrdinaryTextsDoNotHideAnError) {
  StatusLine status;
  QStringList seen;
  status.addListener([&](const QString& text) { seen << text; });
  const int gone = status.addListener([&](const QString&) { ADD_FAILURE() << "removed listener called"; });
  status.removeListener(gone);
  status.setUnlessError("PARLHORA SPIEL");
  status.set("Err: Res none PCM");
  status.setUnlessError("METAR ok");
  EXPECT_EQ(status.text(), "Err: Res none PCM");
  status.set("Fehler: COM-Port");
  EXPECT_TRUE(status.showsError());
  status.set("PARLHORA DONE");
  EXPECT_FALSE(status.showsError());
  EXPECT_EQ(seen, (QStringList{"PARLHORA SPIEL", "Err: Res none PCM", "Fehler: COM-Port", "PARLHORA DONE"}));
}
