#pragma once

#include "stations/HistoryFileController.h"

namespace parlhora {

/// The WS-23xx history file source (SnapW23, window TFormMeteoW23).
class W23Controller final : public HistoryFileController {
  Q_OBJECT

 public:
  W23Controller(SourceContext& context, HistoryFileSettings& settings, QObject* parent = nullptr);

  QString dialogFilter() const override { return QStringLiteral("Fichiers history.dat|*.dat"); }
  QString dialogSuffix() const override { return QStringLiteral("dat"); }

 protected:
  bool readFile(QString& file, StationReading& reading) override;
  void resetCaptions() override;
};

}  // namespace parlhora
