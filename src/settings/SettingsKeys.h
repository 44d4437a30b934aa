#pragma once

#include "settings/AppSettings.h"

#include <QStringView>
#include <span>
#include <variant>

// How a key's text becomes its field. Integer is 16-bit and Long 32-bit whatever the field's C++
// type; Single is a decimal fraction kept to single precision.
enum class ReadAs { Boolean, Integer, Long, Single, String };

// How SaveSettings writes a key: "Yes"/"No", the rounded whole number ("#0" and "##0" give the same
// digits), a fraction with seven decimals and a ".", the text as it is, or not at all.
enum class SaveAs { YesNo, Whole, Fraction, AsIs, NotSaved };

using SettingsField =
    std::variant<bool AppSettings::*, std::int16_t AppSettings::*, std::int32_t AppSettings::*,
                 float AppSettings::*, double AppSettings::*, QString AppSettings::*>;

struct SettingsKey {
    QStringView name;
    ReadAs readAs;
    QStringView defaultText; // Booleans: "Yes" or "No"; FontSize: empty, computed from the screen
    SaveAs saveAs;
    SettingsField field;
};

inline constexpr QStringView SettingsSection = u"Sorvanta 1.00";

// Every INI key in the order LoadSettings reads them.
std::span<const SettingsKey> SettingsKeys();

// The keys SaveSettings writes, in the order it writes them (a new file lists them in this order).
std::span<const QStringView> SavedKeyOrder();

const SettingsKey& FindSettingsKey(QStringView name);
