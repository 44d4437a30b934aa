#include "display/ui/AboutBox.h"

#include "base/ui/NamedControls.h"
#include "display/DisplayTexts.h"
#include "resources/builtin/BuiltinImages.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// The link opens through the desktop.
QLabel* link(QWidget* parent, const QString& name, const QString& target, const QString& text) {
    QLabel* label =
        namedLabel(parent, name, u"<a href=\""_s + target + u"\">"_s + text.toHtmlEscaped() + u"</a>"_s);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true);
    return label;
}

// The README the package installs in its documentation folder (<prefix>/share/doc/sorvanta, beside
// <prefix>/lib/sorvanta); "" where there is none, as in the build tree.
QString installedReadme(const QString& programFolder) {
    const QString path = QDir(programFolder).absoluteFilePath(u"../../share/doc/sorvanta/README.md"_s);
    return QFileInfo::exists(path) ? QDir::cleanPath(path) : QString();
}

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName(u"frmAbout"_s);
    setWindowTitle(DisplayTexts::aboutCaption());
    auto* icon = namedLabel(this, u"picIcon"_s, QString());
    icon->setPixmap(QPixmap(builtinImagePath(BuiltinImage::App)));

    auto* layout = new QGridLayout(this);
    layout->setColumnStretch(2, 1); // the support line's link right after its caption
    layout->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(namedLabel(this, u"lblTitle"_s, DisplayTexts::programTitle()), 0, 1, 1, 2);
    layout->addWidget(namedLabel(this, u"lblVersion"_s, DisplayTexts::aboutVersion()), 1, 1, 1, 2);
    layout->addWidget(
        namedLabel(this, u"lblDescription"_s,
                   tr("Copyright (C) Sorvanta の開発者。このプログラムは無保証で提供されます。")),
        2, 1, 1, 2);
    layout->addWidget(namedLabel(this, u"lblNKF"_s, DisplayTexts::converterVersion()), 3, 1, 1, 2);
    layout->addWidget(
        namedLabel(this, u"lblUpdate"_s, tr("最新版の情報は、定期的にサポートページでご確認ください。")), 4,
        1, 1, 2);
    layout->addWidget(namedLabel(this, u"Label3"_s, tr("サポート情報:")), 5, 1);
    const QString readme = installedReadme(QCoreApplication::applicationDirPath());
    layout->addWidget(readme.isEmpty() ? namedLabel(this, u"lblURL1"_s, u"man sorvanta"_s)
                                       : link(this, u"lblURL1"_s, QUrl::fromLocalFile(readme).toString(),
                                              tr("説明書 (README)")),
                      5, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"cmdOK"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 7, 0, 1, 3);
}
