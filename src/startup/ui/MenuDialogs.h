#pragma once

#include "base/SoundPlayer.h"
#include "base/UserPrompter.h"
#include "display/ui/Ticker.h"
#include "retrieval/DataFiles.h"
#include "settings/SettingsStore.h"
#include "settings/ui/ChooserDialogs.h"

// What the sign's menu opens from the other areas: the page list, and the options dialog with the
// rule list (and its rule tester) and the keyword list. The references must outlive the openers.
struct MenuDialogServices {
    SettingsStore& store;
    DataFiles& dataFiles;
    UserPrompter& prompter;
    SoundPlayer& sound;
    ChooserDialogs& choosers; // the font and sound-file dialogs of the options dialog
};

Ticker::DialogOpeners menuDialogs(MenuDialogServices services);
