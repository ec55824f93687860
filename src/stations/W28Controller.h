#pragma once

#include "stations/HistoryFileController.h"

namespace parlhora {

/// The WS-28xx history file source (SnapW28, window TFormMeteoW28); the
/// window chooses the absolute or the relative pressure.
class W28Controller final : public HistoryFileController {
  Q_OBJECT

 public:
  W28Controller(SourceContext& context, HistoryFileSettings& settings, QObject* parent = nullptr);

  QString dialogFilter() const override { return QStringLiteral("Fichiers history.dat|*.dat"); }
  QString dialogSuffix() const override { return QStringLiteral("dat"); }

 protected:
  bool readFile(QString& file, StationReading& reading) override;
  void resetCaptions() override;
};

}  // namespace parlhora
