#pragma once

class QCoreApplication;

// Qt's own texts (the buttons of message boxes, the font and file dialogs) in Japanese, as the rest of
// the program, whatever the user's locale. They come from Qt's translations (qt6-translations-l10n);
// without them Qt's texts stay in English. False when none were found.
bool installJapaneseQtTexts(QCoreApplication& application);
