#include "display/ItemSound.h"

ItemSound soundForItem(const InfoItem& item, bool keywordFound, const AppSettings& settings) {
    if (!settings.PlaySound2)
        return ItemSound::None;
    if (item.rule == InfoItem::WholePageRule)
        return ItemSound::WholePage;
    return keywordFound ? ItemSound::Keyword : ItemSound::NoKeyword;
}

QString soundFile(ItemSound sound, const AppSettings& settings) {
    switch (sound) {
    case ItemSound::Keyword:
        return settings.SoundFile2;
    case ItemSound::NoKeyword:
        return settings.SoundFile3;
    case ItemSound::WholePage:
        return settings.SoundFile4;
    case ItemSound::None:
        break;
    }
    return QString();
}
