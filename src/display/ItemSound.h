#pragma once

#include "retrieval/InfoItem.h"
#include "settings/AppSettings.h"

#include <QString>

// The sound played when an item is shown, by which of the sound settings it comes from.
enum class ItemSound {
    None,
    Keyword,   // SoundFile2: a keyword occurs in the item
    NoKeyword, // SoundFile3: no keyword occurs
    WholePage, // SoundFile4: nothing could be extracted, the page's whole text is shown
};

// Only with PlaySound2. A whole-page item always gets its own sound, keyword or not; the
// default message is an ordinary item here.
ItemSound soundForItem(const InfoItem& item, bool keywordFound, const AppSettings& settings);
// The file to play for sound; "" for None.
QString soundFile(ItemSound sound, const AppSettings& settings);
