#include <gtest/gtest.h>

#include <QTextStream>

#include "app/SettingsKeyTable.h"
#include "cli/SettingsKeyHelp.h"

using namespace parlhora;

// A key added to the settings file without its line in `config --keys`
// would leave a headless user guessing.
TEST(SettingsKeyHelp, EveryKeyIsListedWithItsMeaning) {
  QString text;
  QTextStream out(&text);
  EXPECT_EQ(printSettingsKeys(out), 0);
  out.flush();
  const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), static_cast<int>(SettingsKeyTable::instance().rules().size()) + 1);
  for (const QString& line : lines.mid(1)) EXPECT_FALSE(line.contains("\t?")) << line.toStdString();
  EXPECT_TRUE(text.contains("\nMETAR_FAV1..10=\t")) << text.toStdString();
}
