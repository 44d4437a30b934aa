#pragma once

#include <QString>
#include <QtGlobal>

// The message shown when no page gives anything, as shipped (and stored) in Japanese.
inline constexpr char ShippedDefaultMessage[] =
    QT_TRANSLATE_NOOP("DefaultMessage", "現在、遅れに関する情報はありません。");

// The message as shown: one the user wrote, as written; the shipped one in the desktop's language.
QString shownDefaultMessage(const QString& stored);
