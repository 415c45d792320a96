#include "StageSettingsStore.h"

#include "FieldText.h"
#include "files/ConfigFolder.h"
#include "loads/StageSettingsFile.h"

#include <QSettings>
#include <QString>
#include <QVariant>

namespace {

// Where an older version kept the finder's inputs; read, never written.
void LoadOlderStore(StageSettingsInput& in) {
  const QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnholt"),
                        QStringLiteral("Varnholt"));
  for (const char* key : {"cable", "capacitanceBase", "capacitanceList", "capacitanceMode", "resistanceBase",
                          "resistanceList", "resistanceMode", "rankBy", "bandEdge", "targetF", "targetQ"}) {
    const QVariant value = store.value(QStringLiteral("FindStageSettings/") + QLatin1String(key));
    if (value.typeId() != QMetaType::QString) continue;
    const QString text = value.toString();
    SetStoredStageInput(in, key, ToFieldBytes(text, static_cast<std::size_t>(text.size())));
  }
}

}  // namespace

void LoadStageSettings(StageSettingsInput& in) {
  const std::string path = StageSettingsFilePath(UserConfigFolder());
  if (!path.empty() && !LoadStageSettingsFile(path, in)) LoadOlderStore(in);
}

void SaveStageSettings(const StageSettingsInput& in) {
  const std::string path = StageSettingsFilePath(UserConfigFolder());
  // Remembering is a convenience: a folder that cannot be written costs only that.
  if (!path.empty()) SaveStageSettingsFile(path, in);
}
