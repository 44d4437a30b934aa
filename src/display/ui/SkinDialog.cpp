#include "display/ui/SkinDialog.h"

#include "base/ui/DialogButtons.h"
#include "display/DisplayTexts.h"
#include "display/ui/SkinPreview.h"
#include "resources/builtin/BuiltinImages.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

QTreeWidget* list(const QString& name, const QString& heading) {
    auto* list = new QTreeWidget;
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setHeaderLabel(heading);
    list->setHeaderHidden(heading.isEmpty());
    return list;
}

QTreeWidgetItem* findItem(const QTreeWidget* list, const QString& text) {
    const QList<QTreeWidgetItem*> found = list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return found.isEmpty() ? nullptr : found.constFirst();
}

} // namespace

SkinDialog::SkinDialog(QString imagesFolder, const AppSettings& settings, UserPrompter& prompter,
                       QWidget* parent)
    : QDialog(parent)
    , m_imagesFolder(std::move(imagesFolder))
    , m_folders(list(u"tvwFolder"_s, QString()))
    , m_files(list(u"lvwImage"_s, tr("ファイル名")))
    , m_preview(new SkinPreview)
    , m_picture(builtinImagePath(BuiltinImage::Skin)) {
    setObjectName(u"frmSelectSkin"_s);
    setWindowTitle(tr("スキンの選択"));
    m_preview->setObjectName(u"picPreview"_s);
    m_preview->setPicture(m_picture);
    layOut();
    const QIcon folderIcon = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    for (const QString& folder : skinFolders(m_imagesFolder)) {
        auto* node = new QTreeWidgetItem(m_folders, {folder});
        node->setIcon(0, folderIcon);
    }
    connect(m_folders, &QTreeWidget::currentItemChanged, this, &SkinDialog::showFolder);
    connect(m_files, &QTreeWidget::currentItemChanged, this, &SkinDialog::showFile);
    if (m_folders->topLevelItemCount() == 0)
        prompter.showMessage(DisplayTexts::programTitle(), tr("画像ファイルが見つかりません。"));
    else
        preselect(preselectedSkin(settings));
}

void SkinDialog::layOut() {
    auto* sample = new QLabel(tr("サンプル:"));
    sample->setObjectName(u"lblPreview"_s);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_folders, 0, 0);
    layout->addWidget(m_files, 0, 1);
    layout->addWidget(sample, 1, 0, 1, 2);
    layout->addWidget(m_preview, 2, 0, 1, 2);
    layout->addWidget(dialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel), 3, 0, 1, 2);
}

std::optional<SkinName> SkinDialog::selection() const {
    if (!m_files->currentItem())
        return std::nullopt;
    return SkinName{selectedFolder(), m_files->currentItem()->text(0)};
}

void SkinDialog::preselect(const SkinName& skin) {
    if (QTreeWidgetItem* folder = findItem(m_folders, skin.folder))
        m_folders->setCurrentItem(folder);
    if (QTreeWidgetItem* file = findItem(m_files, skin.file))
        m_files->setCurrentItem(file);
}

QString SkinDialog::selectedFolder() const {
    return m_folders->currentItem() ? m_folders->currentItem()->text(0) : QString();
}

void SkinDialog::showFolder() {
    m_files->clear();
    for (const QString& file : skinFiles(m_imagesFolder, selectedFolder()))
        new QTreeWidgetItem(m_files, {file});
}

// A bitmap that cannot be read leaves the preview as it was.
void SkinDialog::showFile() {
    const std::optional<SkinName> skin = selection();
    if (!skin)
        return;
    const QImage picture(skinPath(m_imagesFolder, *skin));
    if (picture.isNull())
        return;
    m_picture = picture;
    m_preview->setPicture(m_picture);
}
