#pragma once

#include "base/UserPrompter.h"
#include "display/SkinCatalog.h"
#include "settings/AppSettings.h"

#include <QDialog>
#include <QImage>
#include <optional>

class SkinPreview;
class QTreeWidget;

// The skin chooser: the folders of the Images folder, the bitmaps of the selected folder and a
// preview of the selected bitmap. The caller applies what OK accepted.
class SkinDialog : public QDialog {
    Q_OBJECT
public:
    SkinDialog(QString imagesFolder, const AppSettings& settings, UserPrompter& prompter,
               QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(SkinDialog)

    // The picture in the preview: the selected bitmap, or the built-in skin before one loaded.
    const QImage& picture() const { return m_picture; }
    // The selected folder and bitmap; nothing while no bitmap is selected.
    std::optional<SkinName> selection() const;

private:
    void layOut();
    void showFolder();
    void showFile();
    void preselect(const SkinName& skin);
    QString selectedFolder() const;

    QString m_imagesFolder;
    QTreeWidget* m_folders;
    QTreeWidget* m_files;
    SkinPreview* m_preview;
    QImage m_picture;
};
