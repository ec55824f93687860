#pragma once

#include <QTextStream>

namespace parlhora {

/// `parlhora config --keys`: every settings key in file order with its
/// values, its default and its meaning, so a headless user can write
/// parlhora.ini by hand. Writes to `out`; returns the exit code.
int printSettingsKeys(QTextStream& out);

}  // namespace parlhora
