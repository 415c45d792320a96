#include "StageSettingsStore.h"
#include "engnum/StrictValue.h"

#include "FieldText.h"
#include "loads/ValueList.h"

#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <utility>

namespace {

constexpr const char* kOrganization = "Varnholt";
constexpr const char* kApplication = "Varnholt";
constexpr const char* kGroup = "FindStageSettings";
// Far more than any stage's list; a longer stored text is not ours.
constexpr qsizetype kMaxStoredText = 2000;

std::unique_ptr<QSettings> Store() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization,
                                     kApplication);
}

std::optional<std::string> StoredText(const QSettings& store, const char* key) {
  const QVariant value = store.value(QString::fromLatin1(kGroup) + '/' + QLatin1String(key));
  if (value.typeId() != QMetaType::QString) return std::nullopt;
  const QString text = value.toString();
  if (text.size() > kMaxStoredText) return std::nullopt;
  return ToFieldBytes(text, static_cast<std::size_t>(text.size()));
}

bool IsList(const std::string& text) {
  double value = 0.0;
  for (std::string_view entry : SplitList(text))
    if (!ReadStrictValue(entry, value)) return false;
  return true;
}

bool IsValue(const std::string& text) {
  double value = 0.0;
  const std::string_view trimmed = Trimmed(text);
  return trimmed.empty() || ReadStrictValue(trimmed, value);
}

void LoadText(const QSettings& store, const char* key, bool (*usable)(const std::string&),
              std::string& slot) {
  if (const std::optional<std::string> text = StoredText(store, key); text && usable(*text)) slot = *text;
}

template <typename Enum>
void LoadChoice(const QSettings& store, const char* key, std::pair<const char*, Enum> a,
                std::pair<const char*, Enum> b, Enum& slot) {
  const std::optional<std::string> text = StoredText(store, key);
  if (text == a.first) slot = a.second;
  if (text == b.first) slot = b.second;
}

void Save(QSettings& store, const char* key, const std::string& text) {
  store.setValue(QString::fromLatin1(kGroup) + '/' + QLatin1String(key), FromFieldBytes(text));
}

const std::pair<const char*, ListMode> kChoices{"choices", ListMode::Choices};
const std::pair<const char*, ListMode> kSwitches{"switches", ListMode::Switches};
const std::pair<const char*, RankBy> kFlatness{"flatness", RankBy::Flatness};
const std::pair<const char*, RankBy> kTarget{"target", RankBy::Target};

const char* ModeName(ListMode mode) { return mode == ListMode::Switches ? kSwitches.first : kChoices.first; }

}  // namespace

void LoadStageSettings(StageSettingsInput& in) {
  const std::unique_ptr<const QSettings> owner = Store();
  const QSettings& store = *owner;
  LoadText(store, "cable", IsValue, in.cable);
  LoadText(store, "capacitanceBase", IsValue, in.cBase);
  LoadText(store, "capacitanceList", IsList, in.cList);
  LoadChoice(store, "capacitanceMode", kChoices, kSwitches, in.cMode);
  LoadText(store, "resistanceBase", IsValue, in.rBase);
  LoadText(store, "resistanceList", IsList, in.rList);
  LoadChoice(store, "resistanceMode", kChoices, kSwitches, in.rMode);
  LoadChoice(store, "rankBy", kFlatness, kTarget, in.rankBy);
  LoadText(store, "bandEdge", IsValue, in.bandEdge);
  LoadText(store, "targetF", IsValue, in.targetF);
  LoadText(store, "targetQ", IsValue, in.targetQ);
}

void SaveStageSettings(const StageSettingsInput& in) {
  const std::unique_ptr<QSettings> owner = Store();
  QSettings& store = *owner;
  Save(store, "cable", in.cable);
  Save(store, "capacitanceBase", in.cBase);
  Save(store, "capacitanceList", in.cList);
  Save(store, "capacitanceMode", ModeName(in.cMode));
  Save(store, "resistanceBase", in.rBase);
  Save(store, "resistanceList", in.rList);
  Save(store, "resistanceMode", ModeName(in.rMode));
  Save(store, "rankBy", in.rankBy == RankBy::Target ? kTarget.first : kFlatness.first);
  Save(store, "bandEdge", in.bandEdge);
  Save(store, "targetF", in.targetF);
  Save(store, "targetQ", in.targetQ);
}
