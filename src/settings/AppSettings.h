#pragma once

#include "settings/DefaultMessage.h"

#include <QString>
#include <cstdint>

// Every user preference, named after its INI key (plus AutoRun and ReloadPhase). A plain value
// type: copies are independent. The values here are the only statement of the defaults: those of an
// empty settings file on a 96-dpi screen, and what a value outside its range becomes at loading
// (settingsKeys). loadSettings fills the record from the file.
struct AppSettings {
    double XPosR = 0.3;
    double YPosR = 0.3;
    bool FixWindowPosition = true;
    bool AutoRun = false;
    bool TopMost = true;
    bool ShowInTaskbar = false;
    QString ImageDir;
    QString ImageTitle;
    bool LoadAtFirst = true;
    bool Notify = true;
    bool AutoReload = true;
    std::int32_t AutoReloadDelay = 5;
    bool ShowInfo = true;
    std::int32_t ShowInfoDelay = 120;
    bool ShowTitle = false;
    bool ShowFilter = true;
    bool ShowTextInstead = true;
    bool IgnoreCase = false;
    bool IgnoreQuote = false;
    QString FontName = QStringLiteral("ＭＳ ゴシック");
    float FontSize = 12;
    bool FontBold = false;
    bool FontItalic = false;
    std::int32_t Top = 39;
    std::int32_t Left = 31;
    // ScrollWeight, Scroll_Reverse and AutoHangup are read from the file and (but ScrollWeight) written
    // back, with AutoHangup also shown in the options, but nothing acts on them: the scroll keeps its
    // own pace and direction, and no dial-up connection is ever made here to hang up.
    std::int32_t ScrollWeight = 15;
    std::int32_t ScrollDelay = 500;
    bool Scroll_MonoColor = false;
    bool Scroll_Shadow = true;
    bool Scroll_Stretch = false;
    bool Scroll_Reverse = false;
    bool Scroll_Blink = false;
    bool UseProxy = false;
    QString Proxy;
    QString UserName;
    QString Password; // scrambled
    bool AutoDialing = false;
    bool AutoHangup = false;
    bool Debug = false;
    std::int32_t ReloadPhase = 0;
    bool AutoReloadOff = false;
    std::int16_t AutoReloadOffFrom = 0;
    std::int16_t AutoReloadOffTo = 6;
    bool ShowProgressDialog = false;
    bool HideErrorDialog = false;
    bool ShutdownByDblclick = false;
    bool ShowInfoByClick = false;
    bool ShowInfoBySpaceKey = true;
    bool PlaySound1 = false;
    bool PlaySound2 = false;
    QString SoundFile1;
    QString SoundFile2;
    QString SoundFile3;
    QString SoundFile4;
    QString DefaultMSG = QString::fromUtf8(ShippedDefaultMessage);
    bool ShowDefaultMSG = true;
    std::int32_t DefaultExpiresMinute = 15;
    bool IgnoreExcept = false;
    QString NonHTMLExt = QStringLiteral("js,cgi,css");
    std::int32_t Zoom = 1;        // the sign drawn this many times larger, every LED pixel a square block
    bool NotifyNewKeyword = true; // a new item with a keyword raises a desktop notification

    bool operator==(const AppSettings&) const = default;
};

// A record that nothing has changed: every default.
inline const AppSettings& defaultSettings() {
    static const AppSettings defaults;
    return defaults;
}
