#pragma once

#include <QString>

#include "internet/MetarGroups.h"
#include "internet/MetarPage.h"
#include "internet/WebSource.h"

namespace parlhora {

/// The METAR source: fetches the report page of the address in EditDat,
/// keeps the wanted airport's line as "metar_web.txt", decodes the last
/// line of its data file into the snapshot and the captions, and writes the
/// side files. The window is a view of this object and of its settings
/// model. Core thread only.
class MetarSource : public WebSource {
  Q_OBJECT

 public:
  /// `settings` is the METAR_ model of the settings file; both it and
  /// `context` outlive this object. Without `network` the source makes its
  /// own session (and cookie jar).
  MetarSource(SourceContext& context, WebSourceSettings& settings, QObject* parent = nullptr,
              NetworkSession* network = nullptr);

  void applySettings() override;

 protected:
  QString webFileName() const override { return QStringLiteral("metar_web.txt"); }
  QString kindName() const override { return QStringLiteral("METAR"); }
  int examine(const QString& file, const QString& address) override;
  int tooLargeStatus() const override { return MetarPage::NoReport; }
  int missingFileStatus() const override { return MetarPage::NoReport; }
  void clearCaptions() override;
  void addressCaptions(const QString& address) override;
  void beginRefresh() override;
  bool decodeDataFile() override;
  void enterLocal(const QString& address) override;

 private:
  QString stamp_;  // line 1 of "metar_uiview.txt", kept when no time decodes
};

}  // namespace parlhora
