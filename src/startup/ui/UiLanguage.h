#pragma once

#include <QStringList>

class QCoreApplication;

// The language of the program's face: Japanese where the desktop's first language is Japanese, English
// everywhere else. What is stored never depends on it.
enum class UiLanguage { Japanese, English };

UiLanguage uiLanguageFor(const QStringList& uiLanguages);

// Installs the texts of the desktop's language (QLocale::uiLanguages(), read from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG): for Japanese, the program's own texts as written and Qt's from its Japanese
// translations (qt6-translations-l10n); for English, the program's English translation and Qt's own
// texts as they are. Returns the language chosen.
UiLanguage installUiTexts(QCoreApplication& application);
