#include "startup/ui/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

bool install(QCoreApplication& application, const QString& fileName, const QString& folder) {
    auto* texts = new QTranslator(&application);
    if (!texts->load(fileName, folder)) {
        delete texts;
        return false;
    }
    return QCoreApplication::installTranslator(texts);
}

} // namespace

UiLanguage uiLanguageFor(const QStringList& uiLanguages) {
    if (!uiLanguages.isEmpty() && QLocale(uiLanguages.first()).language() == QLocale::Japanese)
        return UiLanguage::Japanese;
    return UiLanguage::English;
}

UiLanguage installUiTexts(QCoreApplication& application) {
    const UiLanguage language = uiLanguageFor(QLocale::system().uiLanguages());
    if (language == UiLanguage::Japanese)
        install(application, u"qtbase_ja"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    else
        install(application, u"sorvanta_en"_s, u":/i18n"_s);
    return language;
}
