#include "settings/SettingsKeys.h"

#include <algorithm>
#include <array>

namespace {

using S = AppSettings;
using enum ReadAs;
using enum SaveAs;

constexpr ValidRange AtLeast(std::int32_t min) {
    return {min};
}

constexpr ValidRange Between(std::int32_t min, std::int32_t max) {
    return {min, max};
}

// Name, how it is read, how it is saved, its field and the range it keeps at loading.
// clang-format off
const std::array<SettingsKey, 58> Keys = {{
    {u"XPosR",                Single,  Fraction, &S::XPosR},
    {u"YPosR",                Single,  Fraction, &S::YPosR},
    {u"FixWindowPosition",    Boolean, YesNo,    &S::FixWindowPosition},
    {u"ImageDir",             String,  AsIs,     &S::ImageDir},
    {u"ImageTitle",           String,  AsIs,     &S::ImageTitle},
    {u"Top",                  Integer, NotSaved, &S::Top,                   AtLeast(1)},
    {u"Left",                 Integer, NotSaved, &S::Left,                  AtLeast(1)},
    {u"TopMost",              Boolean, YesNo,    &S::TopMost},
    {u"LoadAtFirst",          Boolean, YesNo,    &S::LoadAtFirst},
    {u"AutoReload",           Boolean, YesNo,    &S::AutoReload},
    {u"AutoReloadDelay",      Long,    Whole,    &S::AutoReloadDelay,       Between(1, 60)},
    {u"Notify",               Boolean, YesNo,    &S::Notify},
    {u"ShowInfo",             Boolean, YesNo,    &S::ShowInfo},
    {u"ShowInfoDelay",        Long,    Whole,    &S::ShowInfoDelay,         Between(1, 600)},
    {u"ShowTitle",            Boolean, YesNo,    &S::ShowTitle},
    {u"ShowFilter",           Boolean, YesNo,    &S::ShowFilter},
    {u"ShowTextInstead",      Boolean, YesNo,    &S::ShowTextInstead},
    {u"IgnoreCase",           Boolean, YesNo,    &S::IgnoreCase},
    {u"IgnoreQuote",          Boolean, YesNo,    &S::IgnoreQuote},
    {u"FontName",             String,  AsIs,     &S::FontName},
    {u"FontSize",             Integer, Whole,    &S::FontSize},
    {u"FontBold",             Boolean, YesNo,    &S::FontBold},
    {u"FontItalic",           Boolean, YesNo,    &S::FontItalic},
    {u"ScrollWeight",         Long,    NotSaved, &S::ScrollWeight,          AtLeast(1)},
    {u"ScrollDelay",          Long,    NotSaved, &S::ScrollDelay},
    {u"Scroll_MonoColor",     Boolean, YesNo,    &S::Scroll_MonoColor},
    {u"Scroll_Shadow",        Boolean, YesNo,    &S::Scroll_Shadow},
    {u"Scroll_Stretch",       Boolean, YesNo,    &S::Scroll_Stretch},
    {u"Scroll_Reverse",       Boolean, YesNo,    &S::Scroll_Reverse},
    {u"Scroll_Blink",         Boolean, YesNo,    &S::Scroll_Blink},
    {u"UseProxy",             Boolean, YesNo,    &S::UseProxy},
    {u"Proxy",                String,  AsIs,     &S::Proxy},
    {u"UserName",             String,  AsIs,     &S::UserName},
    {u"Password",             String,  AsIs,     &S::Password},
    {u"AutoDialing",          Boolean, YesNo,    &S::AutoDialing},
    {u"AutoHangup",           Boolean, YesNo,    &S::AutoHangup},
    {u"Debug",                Boolean, NotSaved, &S::Debug},
    {u"AutoReloadOff",        Boolean, YesNo,    &S::AutoReloadOff},
    {u"AutoReloadOffFrom",    Integer, Whole,    &S::AutoReloadOffFrom},
    {u"AutoReloadOffTo",      Integer, Whole,    &S::AutoReloadOffTo},
    {u"ShowProgressDialog",   Boolean, YesNo,    &S::ShowProgressDialog},
    {u"HideErrorDialog",      Boolean, YesNo,    &S::HideErrorDialog},
    {u"ShutdownByDblclick",   Boolean, YesNo,    &S::ShutdownByDblclick},
    {u"ShowInfoByClick",      Boolean, YesNo,    &S::ShowInfoByClick},
    {u"ShowInfoBySpaceKey",   Boolean, YesNo,    &S::ShowInfoBySpaceKey},
    {u"ShowInTaskbar",        Boolean, YesNo,    &S::ShowInTaskbar},
    {u"PlaySound1",           Boolean, YesNo,    &S::PlaySound1},
    {u"PlaySound2",           Boolean, YesNo,    &S::PlaySound2},
    {u"SoundFile1",           String,  AsIs,     &S::SoundFile1},
    {u"SoundFile2",           String,  AsIs,     &S::SoundFile2},
    {u"SoundFile3",           String,  AsIs,     &S::SoundFile3},
    {u"SoundFile4",           String,  AsIs,     &S::SoundFile4},
    {u"ShowDefaultMSG",       Boolean, YesNo,    &S::ShowDefaultMSG},
    {u"DefaultMSG",           String,  NotSaved, &S::DefaultMSG},
    {u"DefaultExpiresMinute", Long,    Whole,    &S::DefaultExpiresMinute,  Between(1, 59)},
    {u"IgnoreExcept",         Boolean, YesNo,    &S::IgnoreExcept},
    {u"NonHTMLExt",           String,  AsIs,     &S::NonHTMLExt},
    {u"Zoom",                 Long,    Whole,    &S::Zoom,                  Between(1, 4)},
}};

const std::array<QStringView, 52> SaveOrder = {
    u"XPosR", u"YPosR", u"FixWindowPosition", u"TopMost", u"AutoDialing", u"AutoHangup", u"ImageDir",
    u"ImageTitle", u"LoadAtFirst", u"AutoReload", u"AutoReloadDelay", u"Notify", u"ShowInfo",
    u"ShowInfoDelay", u"ShowTitle", u"ShowFilter", u"ShowTextInstead", u"IgnoreCase", u"IgnoreQuote",
    u"FontName", u"FontSize", u"FontBold", u"FontItalic", u"Scroll_MonoColor", u"Scroll_Shadow",
    u"Scroll_Stretch", u"Scroll_Reverse", u"Scroll_Blink", u"UseProxy", u"Proxy", u"UserName",
    u"Password", u"AutoReloadOff", u"AutoReloadOffFrom", u"AutoReloadOffTo", u"ShowProgressDialog",
    u"HideErrorDialog", u"ShutdownByDblclick", u"ShowInfoByClick", u"ShowInfoBySpaceKey",
    u"ShowInTaskbar", u"PlaySound1", u"PlaySound2", u"SoundFile1", u"SoundFile2", u"SoundFile3",
    u"SoundFile4", u"ShowDefaultMSG", u"DefaultExpiresMinute", u"IgnoreExcept", u"NonHTMLExt", u"Zoom",
};
// clang-format on

} // namespace

std::span<const SettingsKey> SettingsKeys() {
    return Keys;
}

std::span<const QStringView> SavedKeyOrder() {
    return SaveOrder;
}

const SettingsKey& FindSettingsKey(QStringView name) {
    const auto found = std::ranges::find(Keys, name, &SettingsKey::name);
    Q_ASSERT(found != Keys.end());
    return *found;
}
