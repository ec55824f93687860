#pragma once

#include <QString>
#include <QTextStream>

namespace parlhora {

/// `parlhora config [--rewrite]`: loads parlhora.ini of `programFolder`,
/// lists each ignored line and why on `err`, and with `rewrite` saves the
/// loaded state back as "Konfiguration speichern" would. Touches nothing but
/// that file. Returns 0, or 1 when the file could not be read or written.
int runConfigCommand(const QString& programFolder, bool rewrite, QTextStream& err);

}  // namespace parlhora
