#include "display/ui/TickerMenu.h"

#include "display/DisplayTexts.h"

using namespace Qt::StringLiterals;

namespace {

QAction* entry(QMenu* menu, const QString& name, const QString& caption, bool enabled = true) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setEnabled(enabled);
    return action;
}

QAction* separator(QMenu* menu, const QString& name, bool visible) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    separator->setVisible(visible);
    return separator;
}

// Page names are shown as they are: "&" would otherwise mark a shortcut.
QString menuCaption(const QString& text) {
    return QString(text).replace(u"&"_s, u"&&"_s);
}

} // namespace

TickerMenu::TickerMenu(QObject* parent)
    : QObject(parent)
    , m_menu(std::make_unique<QMenu>(tr("メニュー(&M)"))) {
    QMenu* menu = m_menu.get();
    menu->setObjectName(u"mnuMenus"_s);
    m_showNews = entry(menu, u"mnuShowNews"_s, DisplayTexts::notDownloaded(), false);
    menu->setDefaultAction(m_showNews);
    QAction* pause = entry(menu, u"mnuPause"_s, tr("中止(&P)"));
    m_openItem = entry(menu, u"mnuOpenItem"_s, tr("この情報を開く(&I)"), false);
    m_reload = entry(menu, u"mnuReload"_s, tr("更新(&R)"));
    m_reload->setShortcut(Qt::Key_F5);
    separator(menu, u"mnuBar2"_s, false);
    QAction* setDownload = entry(menu, u"mnuSetDownload"_s, tr("更新の設定(&P)"));
    m_browse = menu->addMenu(tr("ブラウザで開く(&B)"));
    m_browse->menuAction()->setObjectName(u"mnuTitleBrowse"_s);
    m_download = menu->addMenu(QString());
    m_download->menuAction()->setObjectName(u"mnuEmpty"_s);
    m_download->menuAction()->setVisible(false);
    separator(menu, u"mnuBar4"_s, false);
    separator(menu, u"mnuBar5"_s, false);
    separator(menu, u"mnuBar6"_s, true);
    QAction* skin = entry(menu, u"mnuSelectSkin"_s, tr("スキン(&S)..."));
    separator(menu, u"mnuBar7"_s, false);
    QAction* options = entry(menu, u"mnuOption"_s, tr("オプション(&O)..."));
    separator(menu, u"mnuBar3"_s, true);
    QAction* about = entry(menu, u"mnuVerInfo"_s, tr("バージョン情報(&A)..."));
    separator(menu, u"mnuBar1"_s, true);
    QAction* exitEntry = entry(menu, u"mnuExit"_s, tr("終了(&X)"));

    connect(m_showNews, &QAction::triggered, this, &TickerMenu::showNewsTriggered);
    connect(pause, &QAction::triggered, this, &TickerMenu::pauseTriggered);
    connect(m_openItem, &QAction::triggered, this, &TickerMenu::openItemTriggered);
    connect(m_reload, &QAction::triggered, this, &TickerMenu::reloadTriggered);
    connect(setDownload, &QAction::triggered, this, &TickerMenu::setDownloadTriggered);
    connect(about, &QAction::triggered, this, &TickerMenu::aboutTriggered);
    connect(options, &QAction::triggered, this, &TickerMenu::optionsTriggered);
    connect(skin, &QAction::triggered, this, &TickerMenu::skinTriggered);
    connect(exitEntry, &QAction::triggered, this, &TickerMenu::exitTriggered);
    connect(m_browse, &QMenu::triggered, this, [this](QAction* action) {
        if (!action->data().toString().isEmpty())
            emit browseTriggered(action->data().toString());
    });
    connect(m_download, &QMenu::triggered, this, [this](QAction* action) {
        if (action->property("page").toInt() > 0)
            emit downloadToggled(action->property("page").toInt());
    });
    setPages({});
}

TickerMenu::~TickerMenu() = default;

void TickerMenu::setPages(const PageMenus& pages) {
    fillPageMenu(m_download, pages.download, true);
    fillPageMenu(m_browse, pages.browse, false);
}

void TickerMenu::setShowNews(const QString& caption, bool enabled) {
    m_showNews->setText(menuCaption(caption));
    m_showNews->setEnabled(enabled);
}

void TickerMenu::fillPageMenu(QMenu* menu, const QList<PageMenuEntry>& entries, bool checkable) {
    menu->clear();
    if (entries.isEmpty()) {
        menu->addAction(noPagesCaption())->setObjectName(checkable ? u"mnuDownload0"_s : u"mnuBrowse0"_s);
        return;
    }
    for (const PageMenuEntry& entry : entries) {
        QAction* action = menu->addAction(menuCaption(entry.caption));
        action->setData(entry.url);
        action->setProperty("page", entry.page);
        action->setCheckable(checkable);
        action->setChecked(checkable && entry.checked);
    }
}
