#include "display/ui/UpdateCycleView.h"

#include "display/DisplayTexts.h"
#include "display/TrayNotice.h"
#include "display/ui/MainWindow.h"
#include "display/ui/MessagePanel.h"
#include "display/ui/ProgressDialog.h"
#include "display/ui/TickerMenu.h"
#include "display/ui/TrayStatus.h"
#include "retrieval/CycleTexts.h"

#include <QApplication>

using namespace Qt::StringLiterals;

UpdateCycleView::UpdateCycleView(UpdateCycle& cycle, Parts parts, const AppSettings& settings,
                                 QObject* parent)
    : QObject(parent)
    , m_parts(parts)
    , m_settings(settings) {
    ProgressDialog* progress = &m_parts.progress;
    connect(&cycle, &UpdateCycle::pageStarted, this,
            [this](int position, int pageCount, const QString& name, const QString& url) {
                m_parts.window.setStatusCaption(DisplayTexts::updatingUrl(url));
                m_parts.progress.setPage(position, pageCount, name);
            });
    connect(&cycle, &UpdateCycle::downloadTotalChanged, progress, &ProgressDialog::setDownloadTotal);
    connect(&cycle, &UpdateCycle::errorAppended, progress, &ProgressDialog::appendError);
    connect(&cycle, &UpdateCycle::pageHandled, progress, &ProgressDialog::setHandled);
    connect(&cycle, &UpdateCycle::firstErrorReported, this, [this] {
        m_parts.progress.enlarge();
        if (!m_settings.ShowProgressDialog && !m_settings.HideErrorDialog)
            m_parts.progress.show();
    });
}

void UpdateCycleView::showStarted(int pageCount) {
    m_parts.window.messagePanel()->hide();
    m_parts.menu.showNews()->setEnabled(false);
    m_parts.menu.reload()->setEnabled(false);
    m_parts.progress.hide();
    m_parts.progress.reset(pageCount);
    if (m_settings.ShowProgressDialog)
        m_parts.progress.show();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_parts.window.setLampVisible(true);
    m_parts.tray.show(TrayNotices::updating());
}

void UpdateCycleView::showEnded(const CycleResult& result) {
    switch (result.outcome) {
    case CycleResult::Outcome::Offline:
        m_parts.window.messagePanel()->hide();
        m_parts.prompter.showWarning(tr("エラー"), CycleTexts::offline());
        break;
    case CycleResult::Outcome::Cancelled:
        m_parts.progress.setStatus(CycleTexts::cancelled());
        break;
    case CycleResult::Outcome::Completed:
        m_parts.progress.disableCancel();
        m_parts.progress.setStatus(CycleTexts::completed());
        m_parts.progress.setProgressText(
            CycleTexts::finalProgress(int(result.pageStatuses.size()), result.failedPages()));
        if (result.errorLog.isEmpty())
            m_parts.progress.hide();
        break;
    case CycleResult::Outcome::TakenOver:
        break;
    }
    QApplication::restoreOverrideCursor();
    m_parts.window.setLampVisible(false);
    if (result.outcome == CycleResult::Outcome::Offline)
        m_parts.menu.setShowNews(result.status, false);
    m_parts.menu.reload()->setEnabled(true);
}

void UpdateCycleView::showFound(const CycleResult& result, int itemCount) {
    if (const auto notice = TrayNotices::cycleEnd(result, shownDefaultMessage(m_settings.DefaultMSG)))
        m_parts.tray.show(*notice);
    m_parts.window.setStatusCaption(CycleTexts::withFailedPages(result.status, result.failedPages()));
    m_parts.menu.setShowNews(DisplayTexts::showNewsCaption(itemCount), true);
}
