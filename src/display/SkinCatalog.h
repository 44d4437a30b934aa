#pragma once

#include "settings/AppSettings.h"

#include <QString>
#include <QStringList>

// The skins offered: *.bmp files in the sub-folders of the program's Images folder.

struct SkinName {
    QString folder; // ImageDir
    QString file;   // ImageTitle

    bool operator==(const SkinName&) const = default;
};

// The sub-folders of imagesFolder, sorted by name.
QStringList skinFolders(const QString& imagesFolder);
// The *.bmp files (any letter case) of one sub-folder, sorted by name.
QStringList skinFiles(const QString& imagesFolder, const QString& folder);
QString skinPath(const QString& imagesFolder, const SkinName& skin);

// The skin the chooser opens on: the stored one, or "その他" / "無地1.bmp" while no skin has been
// chosen (ImageTitle empty).
SkinName preselectedSkin(const AppSettings& settings);
