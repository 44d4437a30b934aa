#pragma once

#include "retrieval/DataSet.h"
#include "retrieval/PageJob.h"
#include "settings/AppSettings.h"

#include <QGroupBox>
#include <QList>
#include <QString>

class PageProbe;
struct ProbedPage;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// The "テスト" area of the rule edit dialog: fetches one of the pages as the update does (on a
// worker thread, cancellable) and shows what the rule as typed cuts out of it, the items in page
// order and the fragments an exclusion word drops, greyed with the word in front. setRule runs the
// rule again on the text already fetched. It changes no rule and writes nothing.
class RuleTesterPanel : public QGroupBox {
    Q_OBJECT
public:
    RuleTesterPanel(QList<PageRecord> pages, AppSettings settings, Fetcher fetcher = fetchPage,
                    QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(RuleTesterPanel)

public slots:
    void setRule(const RuleRecord& rule);

private:
    void layOut();
    void fetchOrCancel();
    void forgetPage(const QString& status);
    void takePage(const ProbedPage& page);
    void showFragments();

    QList<PageRecord> m_pages; // those in the chooser, in its order
    AppSettings m_settings;
    RuleRecord m_rule;
    QString m_text;                        // the normalised text of the page fetched last
    QString m_pageSummary;                 // its charset and size
    std::optional<qsizetype> m_feedTitles; // when the page is a feed
    QString m_feedMarkup;
    QString m_pageError; // what went wrong fetching it
    PageProbe* m_probe;
    QComboBox* m_chooser;
    QPushButton* m_fetch;
    QLabel* m_status;
    QListWidget* m_results;
};
