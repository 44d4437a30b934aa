#include "settings/SettingsStore.h"

#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

#include <QList>
#include <QLocale>
#include <cfloat>
#include <cmath>
#include <type_traits>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

using KeyValues = QList<std::pair<QString, QString>>;

IniFile LoadIniOrEmpty(const AppFolders& folders) {
    return IniFile::load(folders.iniPath()).value_or(IniFile());
}

QString ValueOrDefault(const IniFile& ini, QStringView key, const QString& defaultText) {
    const QString text = ini.value(SettingsSection, key).value_or(QString());
    return text.isEmpty() ? defaultText : text;
}

// One read and one rewrite of the file for any number of keys, so a batch is never half written.
void WriteIniValues(const AppFolders& folders, const KeyValues& values) {
    folders.ensureSettingsFolder();
    std::optional<IniFile> ini = IniFile::load(folders.iniPath());
    if (!ini)
        return;
    for (const auto& [key, value] : values)
        ini->setValue(SettingsSection, key, value);
    ini->save(folders.iniPath());
}

// Halves go away from zero, as the "#0" display formats round.
QString FormatWhole(double value) {
    return QString::number(std::isfinite(value) ? std::llround(value) : 0);
}

bool InRange(double value, ReadAs readAs) {
    switch (readAs) {
    case ReadAs::Integer:
        return value >= INT16_MIN && value <= INT16_MAX;
    case ReadAs::Long:
        return value >= INT32_MIN && value <= INT32_MAX;
    default:
        return std::fabs(value) <= FLT_MAX;
    }
}

// Whole numbers round half to even, as existing INI files expect.
std::optional<double> ParseNumber(QString text, ReadAs readAs) {
    if (readAs == ReadAs::Single)
        text.replace(u',', u'.');
    bool ok = false;
    double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    if (readAs != ReadAs::Single)
        value = std::nearbyint(value);
    if (!InRange(value, readAs))
        return std::nullopt;
    return readAs == ReadAs::Single ? double(float(value)) : value;
}

void StoreNumber(AppSettings& settings, const SettingsField& field, double value) {
    std::visit(
        [&](auto member) {
            using T = std::remove_reference_t<decltype(settings.*member)>;
            if constexpr (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>)
                settings.*member = static_cast<T>(value);
            else
                Q_UNREACHABLE();
        },
        field);
}

double NumberOf(const AppSettings& settings, const SettingsField& field) {
    return std::visit(
        [&](auto member) -> double {
            using T = std::remove_cvref_t<decltype(settings.*member)>;
            if constexpr (std::is_arithmetic_v<T> && !std::is_same_v<T, bool>)
                return double(settings.*member);
            else
                Q_UNREACHABLE();
        },
        field);
}

// The text the reader falls back on: the default record's value, as the file would hold it.
QString DefaultText(const SettingsKey& key) {
    const AppSettings& defaults = DefaultSettings();
    switch (key.readAs) {
    case ReadAs::Boolean:
        return BoolToYesNo(defaults.*std::get<bool AppSettings::*>(key.field));
    case ReadAs::String:
        return defaults.*std::get<QString AppSettings::*>(key.field);
    default:
        return QString::number(NumberOf(defaults, key.field), 'g', QLocale::FloatingPointShortest);
    }
}

void ReadKey(const IniFile& ini, const SettingsKey& key, const QString& defaultText, AppSettings& settings) {
    const QString text = ValueOrDefault(ini, key.name, defaultText);
    switch (key.readAs) {
    case ReadAs::Boolean:
        settings.*std::get<bool AppSettings::*>(key.field) =
            YesNoToBool(text, YesNoToBool(defaultText, false));
        return;
    case ReadAs::String:
        settings.*std::get<QString AppSettings::*>(key.field) = text;
        return;
    default:
        const std::optional<double> value = ParseNumber(text, key.readAs);
        StoreNumber(settings, key.field, value.value_or(ParseNumber(defaultText, key.readAs).value_or(0)));
        return;
    }
}

QString SavedText(const AppSettings& settings, const SettingsKey& key) {
    switch (key.saveAs) {
    case SaveAs::YesNo:
        return BoolToYesNo(settings.*std::get<bool AppSettings::*>(key.field));
    case SaveAs::Whole:
        return FormatWhole(NumberOf(settings, key.field));
    case SaveAs::Fraction:
        return QString::number(NumberOf(settings, key.field), 'f', 7);
    case SaveAs::AsIs:
        return settings.*std::get<QString AppSettings::*>(key.field);
    case SaveAs::NotSaved:
        break;
    }
    return {};
}

void ApplyReadClamps(AppSettings& settings) {
    for (const SettingsKey& key : SettingsKeys()) {
        if (key.validRange && !key.validRange->contains(NumberOf(settings, key.field)))
            StoreNumber(settings, key.field, NumberOf(DefaultSettings(), key.field));
    }
}

} // namespace

QString ReadIniValue(const AppFolders& folders, const QString& key, const QString& defaultText) {
    return ValueOrDefault(LoadIniOrEmpty(folders), key, defaultText);
}

void WriteIniValue(const AppFolders& folders, const QString& key, const QString& value) {
    WriteIniValues(folders, {{key, value}});
}

bool YesNoToBool(const QString& text, bool defaultValue) {
    if (text.compare(u"yes"_s, Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"no"_s, Qt::CaseInsensitive) == 0)
        return false;
    return defaultValue;
}

QString BoolToYesNo(bool value) {
    return value ? u"Yes"_s : u"No"_s;
}

QString FontSizeDefaultText(double screenDpi) {
    if (!(screenDpi > 0) || !std::isfinite(screenDpi))
        screenDpi = 96;
    return FormatWhole(DefaultSettings().FontSize * 96 / screenDpi);
}

AppSettings LoadSettings(const AppFolders& folders, const Clock& clock, double screenDpi) {
    const IniFile ini = LoadIniOrEmpty(folders);
    const QString fontSizeDefault = FontSizeDefaultText(screenDpi);
    AppSettings settings;
    for (const SettingsKey& key : SettingsKeys()) {
        const bool computedDefault = key.name == u"FontSize";
        ReadKey(ini, key, computedDefault ? fontSizeDefault : DefaultText(key), settings);
    }
    ApplyReadClamps(settings);
    settings.ReloadPhase = clock.now().time().minute() % settings.AutoReloadDelay;
    return settings;
}

void SaveSettings(const AppFolders& folders, const AppSettings& settings) {
    KeyValues values;
    for (QStringView name : SavedKeyOrder())
        values.append({name.toString(), SavedText(settings, FindSettingsKey(name))});
    WriteIniValues(folders, values);
}

SettingsStore::SettingsStore(AppFolders folders, const Clock& clock, double screenDpi, QObject* parent)
    : QObject(parent)
    , m_folders(std::move(folders))
    , m_clock(clock)
    , m_screenDpi(screenDpi) {}

AppSettings SettingsStore::LoadSettings() {
    const AppSettings settings = ::LoadSettings(m_folders, m_clock, m_screenDpi);
    emit settingsLoaded(settings);
    return settings;
}

void SettingsStore::SaveSettings(const AppSettings& settings) const {
    ::SaveSettings(m_folders, settings);
}
