#pragma once

#include "base/AppFolders.h"
#include "base/Clock.h"
#include "retrieval/DataSet.h"
#include "settings/AppSettings.h"

#include <QString>
#include <optional>

// What to tell the user when the settings folder may be read by others and a file in it holds a
// password (a page's in url.txt, the proxy's in Sorvanta.ini); nullopt otherwise. Nothing is changed
// behind the user's back: the folder stays as its owner made it.
std::optional<QString> exposedPasswordsWarning(const AppFolders& folders, const DataSet& tables,
                                               const AppSettings& settings);

// Says it on standard error and, with Debug on, in the run log.
void warnOfExposedPasswords(const AppFolders& folders, const DataSet& tables, const AppSettings& settings,
                            const Clock& clock);
