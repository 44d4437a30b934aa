#include "display/ui/AboutBox.h"

#include "base/ui/NamedControls.h"
#include "display/DisplayTexts.h"
#include "resources/builtin/BuiltinImages.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// Links open only web and mail addresses, through the desktop.
QLabel* link(QWidget* parent, const QString& name, const QString& target, const QString& text) {
    QLabel* label =
        namedLabel(parent, name, u"<a href=\""_s + target + u"\">"_s + text.toHtmlEscaped() + u"</a>"_s);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true);
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName(u"frmAbout"_s);
    setWindowTitle(DisplayTexts::aboutCaption());
    auto* icon = namedLabel(this, u"picIcon"_s, QString());
    icon->setPixmap(QPixmap(builtinImagePath(BuiltinImage::App)));

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(namedLabel(this, u"lblTitle"_s, DisplayTexts::programTitle()), 0, 1, 1, 2);
    layout->addWidget(namedLabel(this, u"lblVersion"_s, DisplayTexts::aboutVersion()), 1, 1, 1, 2);
    layout->addWidget(
        namedLabel(this, u"lblDescription"_s,
                   u"Copyright (C) Sorvanta の開発者。このプログラムは無保証で提供されます。"_s),
        2, 1, 1, 2);
    layout->addWidget(namedLabel(this, u"lblNKF"_s, DisplayTexts::converterVersion()), 3, 1, 1, 2);
    layout->addWidget(
        namedLabel(this, u"lblUpdate"_s, u"最新版の情報は、定期的にサポートページでご確認ください。"_s), 4, 1,
        1, 2);
    layout->addWidget(namedLabel(this, u"Label3"_s, u"サポート情報:"_s), 5, 1);
    layout->addWidget(link(this, u"lblURL1"_s, u"https://sorvanta.example/support/"_s,
                           u"https://sorvanta.example/support/"_s),
                      5, 2);
    layout->addWidget(namedLabel(this, u"Label4"_s, u"E-Mail:"_s), 6, 1);
    layout->addWidget(
        link(this, u"lblURL0"_s, u"mailto:support@sorvanta.example"_s, u"support@sorvanta.example"_s), 6, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"cmdOK"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 7, 0, 1, 3);
}
