#pragma once

#include "base/AppFolders.h"
#include "base/Clock.h"
#include "settings/AppSettings.h"

#include <QObject>
#include <QString>

// The settings record and its INI file "Sorvanta.ini", section "Sorvanta 1.00".

// The key's text, read whole; an empty or missing value gives defaultText.
QString readIniValue(const AppFolders& folders, const QString& key, const QString& defaultText);

// Creates the settings folder (with its parents) when missing, then writes the key. A failure loses the
// value without a message.
void writeIniValue(const AppFolders& folders, const QString& key, const QString& value);

// "yes" / "no" in any letter case; anything else gives defaultValue.
bool yesNoToBool(const QString& text, bool defaultValue);
QString boolToYesNo(bool value);

// 12 points on a 96-dpi screen, scaled so the message keeps its pixel size: "10" at 120 dpi.
QString fontSizeDefaultText(double screenDpi);

// Reads every key with its default and applies the clamps; ReloadPhase is seeded from the clock.
// AutoRun is left false: readAutorunState fills it from the autostart entry.
// Number texts: a decimal number ("." separator; "," too for XPosR and YPosR) rounded to the
// nearest whole number with halves to even; a text that is not a number, or a whole number beyond
// the field's 16- or 32-bit range, gives the key's default.
AppSettings loadSettings(const AppFolders& folders, const Clock& clock, double screenDpi);

// Writes the 52 saved keys in their fixed order in one rewrite of the file, with the same result as
// writing them one by one. Keys that are only read (Debug, Top, Left, ...) keep the user's text.
void saveSettings(const AppFolders& folders, const AppSettings& settings);

// The store as the windows use it: every load hands the settings to the running program.
class SettingsStore : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsStore)
public:
    // The clock must outlive the store.
    SettingsStore(AppFolders folders, const Clock& clock, double screenDpi, QObject* parent = nullptr);

    const AppFolders& folders() const { return m_folders; }

    AppSettings loadSettings();
    void saveSettings(const AppSettings& settings) const;

signals:
    // Emitted by every loadSettings with what it loaded, before it returns.
    void settingsLoaded(const AppSettings& settings);

private:
    AppFolders m_folders;
    const Clock& m_clock;
    const double m_screenDpi;
};
