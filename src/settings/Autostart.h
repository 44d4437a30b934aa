#pragma once

#include "settings/AppSettings.h"

#include <QString>

// Start at logon through the desktop's autostart folder: the entry
// $XDG_CONFIG_HOME/autostart/kwSorvanta.desktop (else ~/.config/autostart). Every failure is ignored.

QString autorunEntryPath();

// AutoRun is true when the entry exists with a non-empty Exec and is not Hidden=true.
void readAutorunState(AppSettings& settings);

// programPath: the executable, started without arguments, so a logon start is always per-user.
void registerAutorun(const QString& programPath);
void unregisterAutorun();

// The Exec value that starts programPath, quoted and escaped as desktop entries require.
QString autorunExecValue(const QString& programPath);
