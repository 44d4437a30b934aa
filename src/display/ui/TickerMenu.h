#pragma once

#include "display/PageMenus.h"

#include <QMenu>

// The popup menu of the sign with its page sub-menus.
class TickerMenu : public QObject {
    Q_OBJECT
public:
    explicit TickerMenu(QObject* parent = nullptr);
    ~TickerMenu() override;
    Q_DISABLE_COPY_MOVE(TickerMenu)

    QMenu* menu() const { return m_menu.get(); }
    QAction* showNews() const { return m_showNews; }
    QAction* reload() const { return m_reload; }
    QAction* openItem() const { return m_openItem; }
    QMenu* downloadMenu() const { return m_download; }
    QMenu* browseMenu() const { return m_browse; }

    // Rebuilds the download and browse entries after the data files were loaded.
    void setPages(const PageMenus& pages);
    // mnuShowNews: its caption and whether there is something to show.
    void setShowNews(const QString& caption, bool enabled);

signals:
    void showNewsTriggered();
    void pauseTriggered();
    void openItemTriggered();
    void reloadTriggered();
    void setDownloadTriggered();
    void aboutTriggered();
    void optionsTriggered();
    void skinTriggered();
    void exitTriggered();
    void browseTriggered(const QString& url);
    void downloadToggled(int page);

private:
    static void fillPageMenu(QMenu* menu, const QList<PageMenuEntry>& entries, bool checkable);

    std::unique_ptr<QMenu> m_menu;
    QAction* m_showNews;
    QAction* m_reload;
    QAction* m_openItem;
    QMenu* m_browse;
    QMenu* m_download;
};
