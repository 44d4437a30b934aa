#pragma once

#include <QString>

// How the argument text of the command line chooses the settings folder.
enum class StartupMode { SingleUser, PerId, PerUser };

struct StartupOptions {
    StartupMode mode = StartupMode::PerUser;
    QString settingsId; // verbatim text after "/id=", only in PerId mode
};

// The whole argument text (everything after the program name, as one string) decides the mode:
// "/singleuser" in any case and nothing else, "/id=" on the first four characters, else per-user.
StartupOptions parseStartupArguments(const QString& argumentText);

// Joins the arguments after the program name with single spaces, as the system hands them to us.
QString argumentText(const QStringList& arguments);
