#include "settings/SettingsKeys.h"

#include <QList>
#include <algorithm>
#include <array>

namespace {

using S = AppSettings;
using enum ReadAs;
using enum SaveAs;

constexpr ValidRange atLeast(std::int32_t min) {
    return {min};
}

constexpr ValidRange between(std::int32_t min, std::int32_t max) {
    return {min, max};
}

// Name, how it is read, how it is saved, where it stands among the saved keys (0: not saved), its
// field and the range it keeps at loading.
// clang-format off
constexpr std::array<SettingsKey, 59> Keys = {{
    {u"XPosR",                Single,  Fraction,   1, &S::XPosR},
    {u"YPosR",                Single,  Fraction,   2, &S::YPosR},
    {u"FixWindowPosition",    Boolean, YesNo,      3, &S::FixWindowPosition},
    {u"ImageDir",             String,  AsIs,       7, &S::ImageDir},
    {u"ImageTitle",           String,  AsIs,       8, &S::ImageTitle},
    {u"Top",                  Integer, NotSaved,   0, &S::Top,              atLeast(1)},
    {u"Left",                 Integer, NotSaved,   0, &S::Left,             atLeast(1)},
    {u"TopMost",              Boolean, YesNo,      4, &S::TopMost},
    {u"LoadAtFirst",          Boolean, YesNo,      9, &S::LoadAtFirst},
    {u"AutoReload",           Boolean, YesNo,     10, &S::AutoReload},
    {u"AutoReloadDelay",      Long,    Whole,     11, &S::AutoReloadDelay,  between(1, 60)},
    {u"Notify",               Boolean, YesNo,     12, &S::Notify},
    {u"ShowInfo",             Boolean, YesNo,     13, &S::ShowInfo},
    {u"ShowInfoDelay",        Long,    Whole,     14, &S::ShowInfoDelay,    between(1, 600)},
    {u"ShowTitle",            Boolean, YesNo,     15, &S::ShowTitle},
    {u"ShowFilter",           Boolean, YesNo,     16, &S::ShowFilter},
    {u"ShowTextInstead",      Boolean, YesNo,     17, &S::ShowTextInstead},
    {u"IgnoreCase",           Boolean, YesNo,     18, &S::IgnoreCase},
    {u"IgnoreQuote",          Boolean, YesNo,     19, &S::IgnoreQuote},
    {u"FontName",             String,  AsIs,      20, &S::FontName},
    {u"FontSize",             Integer, Whole,     21, &S::FontSize},
    {u"FontBold",             Boolean, YesNo,     22, &S::FontBold},
    {u"FontItalic",           Boolean, YesNo,     23, &S::FontItalic},
    {u"ScrollWeight",         Long,    NotSaved,   0, &S::ScrollWeight,     atLeast(1)},
    {u"ScrollDelay",          Long,    NotSaved,   0, &S::ScrollDelay},
    {u"Scroll_MonoColor",     Boolean, YesNo,     24, &S::Scroll_MonoColor},
    {u"Scroll_Shadow",        Boolean, YesNo,     25, &S::Scroll_Shadow},
    {u"Scroll_Stretch",       Boolean, YesNo,     26, &S::Scroll_Stretch},
    {u"Scroll_Reverse",       Boolean, YesNo,     27, &S::Scroll_Reverse},
    {u"Scroll_Blink",         Boolean, YesNo,     28, &S::Scroll_Blink},
    {u"UseProxy",             Boolean, YesNo,     29, &S::UseProxy},
    {u"Proxy",                String,  AsIs,      30, &S::Proxy},
    {u"UserName",             String,  AsIs,      31, &S::UserName},
    {u"Password",             String,  AsIs,      32, &S::Password},
    {u"AutoDialing",          Boolean, YesNo,      5, &S::AutoDialing},
    {u"AutoHangup",           Boolean, YesNo,      6, &S::AutoHangup},
    {u"Debug",                Boolean, NotSaved,   0, &S::Debug},
    {u"AutoReloadOff",        Boolean, YesNo,     33, &S::AutoReloadOff},
    {u"AutoReloadOffFrom",    Integer, Whole,     34, &S::AutoReloadOffFrom},
    {u"AutoReloadOffTo",      Integer, Whole,     35, &S::AutoReloadOffTo},
    {u"ShowProgressDialog",   Boolean, YesNo,     36, &S::ShowProgressDialog},
    {u"HideErrorDialog",      Boolean, YesNo,     37, &S::HideErrorDialog},
    {u"ShutdownByDblclick",   Boolean, YesNo,     38, &S::ShutdownByDblclick},
    {u"ShowInfoByClick",      Boolean, YesNo,     39, &S::ShowInfoByClick},
    {u"ShowInfoBySpaceKey",   Boolean, YesNo,     40, &S::ShowInfoBySpaceKey},
    {u"ShowInTaskbar",        Boolean, YesNo,     41, &S::ShowInTaskbar},
    {u"PlaySound1",           Boolean, YesNo,     42, &S::PlaySound1},
    {u"PlaySound2",           Boolean, YesNo,     43, &S::PlaySound2},
    {u"SoundFile1",           String,  AsIs,      44, &S::SoundFile1},
    {u"SoundFile2",           String,  AsIs,      45, &S::SoundFile2},
    {u"SoundFile3",           String,  AsIs,      46, &S::SoundFile3},
    {u"SoundFile4",           String,  AsIs,      47, &S::SoundFile4},
    {u"ShowDefaultMSG",       Boolean, YesNo,     48, &S::ShowDefaultMSG},
    {u"DefaultMSG",           String,  NotSaved,   0, &S::DefaultMSG},
    {u"DefaultExpiresMinute", Long,    Whole,     49, &S::DefaultExpiresMinute, between(1, 59)},
    {u"IgnoreExcept",         Boolean, YesNo,     50, &S::IgnoreExcept},
    {u"NonHTMLExt",           String,  AsIs,      51, &S::NonHTMLExt},
    {u"Zoom",                 Long,    Whole,     52, &S::Zoom,             between(1, 4)},
    {u"NotifyNewKeyword",     Boolean, YesNo,     53, &S::NotifyNewKeyword},
}};

// clang-format on

// Every saved key has its own place, 1 to the number of saved keys; every other has none.
constexpr bool savePlacesComplete() {
    int saved = 0;
    for (const SettingsKey& key : Keys)
        saved += key.saveAs == SaveAs::NotSaved ? 0 : 1;
    for (int place = 1; place <= int(Keys.size()); ++place) {
        const auto holders = std::ranges::count(Keys, place, &SettingsKey::savedAt);
        if (holders != (place <= saved ? 1 : 0))
            return false;
    }
    return std::ranges::none_of(
        Keys, [](const SettingsKey& key) { return (key.saveAs == SaveAs::NotSaved) != (key.savedAt == 0); });
}
static_assert(savePlacesComplete());

} // namespace

std::span<const SettingsKey> settingsKeys() {
    return Keys;
}

std::span<const QStringView> savedKeyOrder() {
    static const QList<QStringView> order = [] {
        QList<const SettingsKey*> saved;
        for (const SettingsKey& key : Keys) {
            if (key.savedAt > 0)
                saved.append(&key);
        }
        std::ranges::sort(saved, {}, &SettingsKey::savedAt);
        QList<QStringView> names;
        for (const SettingsKey* key : saved)
            names.append(key->name);
        return names;
    }();
    return order;
}

const SettingsKey& findSettingsKey(QStringView name) {
    const auto found = std::ranges::find(Keys, name, &SettingsKey::name);
    Q_ASSERT(found != Keys.end());
    return *found;
}
