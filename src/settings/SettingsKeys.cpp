#include "settings/SettingsKeys.h"

#include <algorithm>
#include <array>

namespace {

using S = AppSettings;
using enum ReadAs;
using enum SaveAs;

// clang-format off
const std::array<SettingsKey, 57> Keys = {{
    {u"XPosR",                Single,  u"0.3",       Fraction, &S::XPosR},
    {u"YPosR",                Single,  u"0.3",       Fraction, &S::YPosR},
    {u"FixWindowPosition",    Boolean, u"Yes",       YesNo,    &S::FixWindowPosition},
    {u"ImageDir",             String,  u"",          AsIs,     &S::ImageDir},
    {u"ImageTitle",           String,  u"",          AsIs,     &S::ImageTitle},
    {u"Top",                  Integer, u"0",         NotSaved, &S::Top},
    {u"Left",                 Integer, u"0",         NotSaved, &S::Left},
    {u"TopMost",              Boolean, u"Yes",       YesNo,    &S::TopMost},
    {u"LoadAtFirst",          Boolean, u"Yes",       YesNo,    &S::LoadAtFirst},
    {u"AutoReload",           Boolean, u"Yes",       YesNo,    &S::AutoReload},
    {u"AutoReloadDelay",      Long,    u"5",         Whole,    &S::AutoReloadDelay},
    {u"Notify",               Boolean, u"Yes",       YesNo,    &S::Notify},
    {u"ShowInfo",             Boolean, u"Yes",       YesNo,    &S::ShowInfo},
    {u"ShowInfoDelay",        Long,    u"120",       Whole,    &S::ShowInfoDelay},
    {u"ShowTitle",            Boolean, u"No",        YesNo,    &S::ShowTitle},
    {u"ShowFilter",           Boolean, u"Yes",       YesNo,    &S::ShowFilter},
    {u"ShowTextInstead",      Boolean, u"Yes",       YesNo,    &S::ShowTextInstead},
    {u"IgnoreCase",           Boolean, u"No",        YesNo,    &S::IgnoreCase},
    {u"IgnoreQuote",          Boolean, u"No",        YesNo,    &S::IgnoreQuote},
    {u"FontName",             String,  u"ＭＳ ゴシック", AsIs,  &S::FontName},
    {u"FontSize",             Integer, u"",          Whole,    &S::FontSize},
    {u"FontBold",             Boolean, u"No",        YesNo,    &S::FontBold},
    {u"FontItalic",           Boolean, u"No",        YesNo,    &S::FontItalic},
    {u"ScrollWeight",         Long,    u"15",        NotSaved, &S::ScrollWeight},
    {u"ScrollDelay",          Long,    u"500",       NotSaved, &S::ScrollDelay},
    {u"Scroll_MonoColor",     Boolean, u"No",        YesNo,    &S::Scroll_MonoColor},
    {u"Scroll_Shadow",        Boolean, u"Yes",       YesNo,    &S::Scroll_Shadow},
    {u"Scroll_Stretch",       Boolean, u"No",        YesNo,    &S::Scroll_Stretch},
    {u"Scroll_Reverse",       Boolean, u"No",        YesNo,    &S::Scroll_Reverse},
    {u"Scroll_Blink",         Boolean, u"No",        YesNo,    &S::Scroll_Blink},
    {u"UseProxy",             Boolean, u"No",        YesNo,    &S::UseProxy},
    {u"Proxy",                String,  u"",          AsIs,     &S::Proxy},
    {u"UserName",             String,  u"",          AsIs,     &S::UserName},
    {u"Password",             String,  u"",          AsIs,     &S::Password},
    {u"AutoDialing",          Boolean, u"No",        YesNo,    &S::AutoDialing},
    {u"AutoHangup",           Boolean, u"No",        YesNo,    &S::AutoHangup},
    {u"Debug",                Boolean, u"No",        NotSaved, &S::Debug},
    {u"AutoReloadOff",        Boolean, u"No",        YesNo,    &S::AutoReloadOff},
    {u"AutoReloadOffFrom",    Integer, u"0",         Whole,    &S::AutoReloadOffFrom},
    {u"AutoReloadOffTo",      Integer, u"6",         Whole,    &S::AutoReloadOffTo},
    {u"ShowProgressDialog",   Boolean, u"No",        YesNo,    &S::ShowProgressDialog},
    {u"HideErrorDialog",      Boolean, u"No",        YesNo,    &S::HideErrorDialog},
    {u"ShutdownByDblclick",   Boolean, u"No",        YesNo,    &S::ShutdownByDblclick},
    {u"ShowInfoByClick",      Boolean, u"No",        YesNo,    &S::ShowInfoByClick},
    {u"ShowInfoBySpaceKey",   Boolean, u"Yes",       YesNo,    &S::ShowInfoBySpaceKey},
    {u"ShowInTaskbar",        Boolean, u"No",        YesNo,    &S::ShowInTaskbar},
    {u"PlaySound1",           Boolean, u"No",        YesNo,    &S::PlaySound1},
    {u"PlaySound2",           Boolean, u"No",        YesNo,    &S::PlaySound2},
    {u"SoundFile1",           String,  u"",          AsIs,     &S::SoundFile1},
    {u"SoundFile2",           String,  u"",          AsIs,     &S::SoundFile2},
    {u"SoundFile3",           String,  u"",          AsIs,     &S::SoundFile3},
    {u"SoundFile4",           String,  u"",          AsIs,     &S::SoundFile4},
    {u"ShowDefaultMSG",       Boolean, u"Yes",       YesNo,    &S::ShowDefaultMSG},
    {u"DefaultMSG",           String,  u"現在、遅れに関する情報はありません。", NotSaved, &S::DefaultMSG},
    {u"DefaultExpiresMinute", Long,    u"15",        Whole,    &S::DefaultExpiresMinute},
    {u"IgnoreExcept",         Boolean, u"No",        YesNo,    &S::IgnoreExcept},
    {u"NonHTMLExt",           String,  u"js,cgi,css", AsIs,    &S::NonHTMLExt},
}};

const std::array<QStringView, 51> SaveOrder = {
    u"XPosR", u"YPosR", u"FixWindowPosition", u"TopMost", u"AutoDialing", u"AutoHangup", u"ImageDir",
    u"ImageTitle", u"LoadAtFirst", u"AutoReload", u"AutoReloadDelay", u"Notify", u"ShowInfo",
    u"ShowInfoDelay", u"ShowTitle", u"ShowFilter", u"ShowTextInstead", u"IgnoreCase", u"IgnoreQuote",
    u"FontName", u"FontSize", u"FontBold", u"FontItalic", u"Scroll_MonoColor", u"Scroll_Shadow",
    u"Scroll_Stretch", u"Scroll_Reverse", u"Scroll_Blink", u"UseProxy", u"Proxy", u"UserName",
    u"Password", u"AutoReloadOff", u"AutoReloadOffFrom", u"AutoReloadOffTo", u"ShowProgressDialog",
    u"HideErrorDialog", u"ShutdownByDblclick", u"ShowInfoByClick", u"ShowInfoBySpaceKey",
    u"ShowInTaskbar", u"PlaySound1", u"PlaySound2", u"SoundFile1", u"SoundFile2", u"SoundFile3",
    u"SoundFile4", u"ShowDefaultMSG", u"DefaultExpiresMinute", u"IgnoreExcept", u"NonHTMLExt",
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
