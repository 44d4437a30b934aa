#include "display/SkinCatalog.h"

#include <QDir>

using namespace Qt::StringLiterals;

QStringList skinFolders(const QString& imagesFolder) {
    return QDir(imagesFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList skinFiles(const QString& imagesFolder, const QString& folder) {
    if (folder.isEmpty())
        return {};
    return QDir(imagesFolder + u'/' + folder).entryList({u"*.bmp"_s}, QDir::Files, QDir::Name);
}

QString skinPath(const QString& imagesFolder, const SkinName& skin) {
    return imagesFolder + u'/' + skin.folder + u'/' + skin.file;
}

SkinName preselectedSkin(const AppSettings& settings) {
    if (settings.ImageTitle.isEmpty())
        return {u"その他"_s, u"無地1.bmp"_s};
    return {settings.ImageDir, settings.ImageTitle};
}
