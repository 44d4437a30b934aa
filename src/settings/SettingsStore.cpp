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

IniFile loadIniOrEmpty(const AppFolders& folders) {
    return IniFile::load(folders.iniPath()).value_or(IniFile());
}

QString valueOrDefault(const IniFile& ini, QStringView key, const QString& defaultText) {
    const QString text = ini.value(SettingsSection, key).value_or(QString());
    return text.isEmpty() ? defaultText : text;
}

// One read and one rewrite of the file for any number of keys, so a batch is never half written.
void writeIniValues(const AppFolders& folders, const KeyValues& values) {
    folders.ensureSettingsFolder();
    std::optional<IniFile> ini = IniFile::load(folders.iniPath());
    if (!ini)
        return;
    for (const auto& [key, value] : values)
        ini->setValue(SettingsSection, key, value);
    ini->save(folders.iniPath());
}

// Halves go away from zero, as the "#0" display formats round.
QString formatWhole(double value) {
    return QString::number(std::isfinite(value) ? std::llround(value) : 0);
}

bool inRange(double value, ReadAs readAs) {
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
std::optional<double> parseNumber(QString text, ReadAs readAs) {
    if (readAs == ReadAs::Single)
        text.replace(u',', u'.');
    bool ok = false;
    double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    if (readAs != ReadAs::Single)
        value = std::nearbyint(value);
    if (!inRange(value, readAs))
        return std::nullopt;
    return readAs == ReadAs::Single ? double(float(value)) : value;
}

void storeNumber(AppSettings& settings, const SettingsField& field, double value) {
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

double numberOf(const AppSettings& settings, const SettingsField& field) {
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
QString defaultText(const SettingsKey& key) {
    const AppSettings& defaults = defaultSettings();
    switch (key.readAs) {
    case ReadAs::Boolean:
        return boolToYesNo(defaults.*std::get<bool AppSettings::*>(key.field));
    case ReadAs::String:
        return defaults.*std::get<QString AppSettings::*>(key.field);
    default:
        return QString::number(numberOf(defaults, key.field), 'g', QLocale::FloatingPointShortest);
    }
}

void readKey(const IniFile& ini, const SettingsKey& key, const QString& defaultText, AppSettings& settings) {
    const QString text = valueOrDefault(ini, key.name, defaultText);
    switch (key.readAs) {
    case ReadAs::Boolean:
        settings.*std::get<bool AppSettings::*>(key.field) =
            yesNoToBool(text, yesNoToBool(defaultText, false));
        return;
    case ReadAs::String:
        settings.*std::get<QString AppSettings::*>(key.field) = text;
        return;
    default:
        const std::optional<double> value = parseNumber(text, key.readAs);
        storeNumber(settings, key.field, value.value_or(parseNumber(defaultText, key.readAs).value_or(0)));
        return;
    }
}

QString savedText(const AppSettings& settings, const SettingsKey& key) {
    switch (key.saveAs) {
    case SaveAs::YesNo:
        return boolToYesNo(settings.*std::get<bool AppSettings::*>(key.field));
    case SaveAs::Whole:
        return formatWhole(numberOf(settings, key.field));
    case SaveAs::Fraction:
        return QString::number(numberOf(settings, key.field), 'f', 7);
    case SaveAs::AsIs:
        return settings.*std::get<QString AppSettings::*>(key.field);
    case SaveAs::NotSaved:
        break;
    }
    return {};
}

void applyReadClamps(AppSettings& settings) {
    for (const SettingsKey& key : settingsKeys()) {
        if (key.validRange && !key.validRange->contains(numberOf(settings, key.field)))
            storeNumber(settings, key.field, numberOf(defaultSettings(), key.field));
    }
}

} // namespace

QString readIniValue(const AppFolders& folders, const QString& key, const QString& defaultText) {
    return valueOrDefault(loadIniOrEmpty(folders), key, defaultText);
}

void writeIniValue(const AppFolders& folders, const QString& key, const QString& value) {
    writeIniValues(folders, {{key, value}});
}

bool yesNoToBool(const QString& text, bool defaultValue) {
    if (text.compare(u"yes"_s, Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"no"_s, Qt::CaseInsensitive) == 0)
        return false;
    return defaultValue;
}

QString boolToYesNo(bool value) {
    return value ? u"Yes"_s : u"No"_s;
}

QString fontSizeDefaultText(double screenDpi) {
    if (!(screenDpi > 0) || !std::isfinite(screenDpi))
        screenDpi = 96;
    return formatWhole(defaultSettings().FontSize * 96 / screenDpi);
}

AppSettings loadSettings(const AppFolders& folders, const Clock& clock, double screenDpi) {
    const IniFile ini = loadIniOrEmpty(folders);
    const QString fontSizeDefault = fontSizeDefaultText(screenDpi);
    AppSettings settings;
    for (const SettingsKey& key : settingsKeys()) {
        const bool computedDefault = key.name == u"FontSize";
        readKey(ini, key, computedDefault ? fontSizeDefault : defaultText(key), settings);
    }
    applyReadClamps(settings);
    settings.ReloadPhase = clock.now().time().minute() % settings.AutoReloadDelay;
    return settings;
}

void saveSettings(const AppFolders& folders, const AppSettings& settings) {
    KeyValues values;
    for (QStringView name : savedKeyOrder())
        values.append({name.toString(), savedText(settings, findSettingsKey(name))});
    writeIniValues(folders, values);
}

SettingsStore::SettingsStore(AppFolders folders, const Clock& clock, double screenDpi, QObject* parent)
    : QObject(parent)
    , m_folders(std::move(folders))
    , m_clock(clock)
    , m_screenDpi(screenDpi) {}

AppSettings SettingsStore::loadSettings() {
    const AppSettings settings = ::loadSettings(m_folders, m_clock, m_screenDpi);
    emit settingsLoaded(settings);
    return settings;
}

void SettingsStore::saveSettings(const AppSettings& settings) const {
    ::saveSettings(m_folders, settings);
}
