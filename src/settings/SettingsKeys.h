#pragma once

#include "settings/AppSettings.h"

#include <QStringView>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <variant>

// How a key's text becomes its field. Integer is 16-bit and Long 32-bit whatever the field's C++
// type; Single is a decimal fraction kept to single precision.
enum class ReadAs { Boolean, Integer, Long, Single, String };

// How saveSettings writes a key: "Yes"/"No", the rounded whole number ("#0" and "##0" give the same
// digits), a fraction with seven decimals and a ".", the text as it is, or not at all.
enum class SaveAs { YesNo, Whole, Fraction, AsIs, NotSaved };

using SettingsField =
    std::variant<bool AppSettings::*, std::int16_t AppSettings::*, std::int32_t AppSettings::*,
                 float AppSettings::*, double AppSettings::*, QString AppSettings::*>;

// The whole numbers a key keeps when it is loaded; any other becomes the key's default.
struct ValidRange {
    std::int32_t min;
    std::int32_t max = std::numeric_limits<std::int32_t>::max();

    bool contains(double value) const { return value >= min && value <= max; }
};

// A key's default is the value of its field in defaultSettings() (FontSize's is computed from the
// screen's resolution).
struct SettingsKey {
    QStringView name;
    ReadAs readAs;
    SaveAs saveAs;
    int savedAt; // its place in the order saveSettings writes, from 1; 0 for a key not saved
    SettingsField field;
    std::optional<ValidRange> validRange = std::nullopt;
};

inline constexpr QStringView SettingsSection = u"Sorvanta 1.00";

// Every INI key in the order loadSettings reads them.
std::span<const SettingsKey> settingsKeys();

// The keys saveSettings writes, in the order it writes them (a new file lists them in this order).
std::span<const QStringView> savedKeyOrder();

const SettingsKey& findSettingsKey(QStringView name);
