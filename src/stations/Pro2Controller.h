#pragma once

#include "stations/HistoryFileController.h"

namespace parlhora {

/// The Vantage Pro2 data file source (SnapPRO2, window TFormMeteoPro2).
/// With CheckBoxFichier it moves on to the current month's file as soon as
/// that exists in the same folder.
class Pro2Controller final : public HistoryFileController {
  Q_OBJECT

 public:
  Pro2Controller(SourceContext& context, HistoryFileSettings& settings, QObject* parent = nullptr);

  QString dialogFilter() const override { return QStringLiteral("Fichier weatherlink wlk|*.wlk"); }
  QString dialogSuffix() const override { return QStringLiteral("wlk"); }

 protected:
  bool readFile(QString& file, StationReading& reading) override;
  void resetCaptions() override;
};

}  // namespace parlhora
