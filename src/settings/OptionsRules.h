#pragma once

#include "settings/AppSettings.h"

#include <QString>
#include <QStringView>
#include <optional>

// Which controls of the options dialog its check boxes leave enabled. Disabled controls keep
// their values: a greyed check box keeps its check mark and still counts when applied.
struct OptionsEnabling {
    bool autoReloadDelay = true; // txtAutoReloadDelay
    bool autoReloadOff = true;   // chkAutoReloadOff
    bool quietHours = true;      // txtAutoReloadOffFrom, txtAutoReloadOffTo
    bool showInfoDelay = true;   // txtShowInfoDelay
    bool hideErrorDialog = true; // chkHideErrorDialog: the progress dialog shows the errors itself
    bool updateSoundRow = true;  // sound row 0
    bool itemSoundRows = true;   // sound rows 1..3

    bool operator==(const OptionsEnabling&) const = default;
};

// form: the settings as the dialog's controls show them.
OptionsEnabling enablingFor(const AppSettings& form);

// A delay box Apply refuses, and what it tells the user.
struct DelayProblem {
    enum class Box { AutoReloadDelay, ShowInfoDelay };
    Box box;
    QString message;
};

// The first of the two delay boxes whose text is not a whole number in its range (AutoReloadDelay
// in minutes, then ShowInfoDelay in seconds), or nothing when both are.
std::optional<DelayProblem> findDelayProblem(const QString& autoReloadDelay, const QString& showInfoDelay);

// Where the sound-file dialog opens: the folder of currentFile when that folder exists, else the
// home folder.
QString soundFileStartFolder(const QString& currentFile);
