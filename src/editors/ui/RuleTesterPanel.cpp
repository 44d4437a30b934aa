#include "editors/ui/RuleTesterPanel.h"

#include "retrieval/ItemExtractor.h"
#include "retrieval/PageProbe.h"
#include "retrieval/PageRequest.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A rule that matches everywhere gives more rows than anyone reads; the count says the rest.
constexpr qsizetype MaxRows = 1000;

QString number(qsizetype count) {
    return QLocale(QLocale::English).toString(count);
}

QListWidgetItem* excludedRow(const RuleFragment& fragment, const QColor& grey) {
    const QString& word = *fragment.excludedBy;
    auto* row = new QListWidgetItem(
        (word.isEmpty() ? QCoreApplication::translate("RuleTesterPanel", "除外(空の語) ")
                        : QCoreApplication::translate("RuleTesterPanel", "除外「%1」 ").arg(word)) +
        fragment.text);
    row->setForeground(grey);
    row->setToolTip(
        word.isEmpty()
            ? QCoreApplication::translate("RuleTesterPanel",
                                          "除外条件に空の語があります(空白が続いているか、末尾にあります)。"
                                          "すべての情報が除外されます。")
            : QCoreApplication::translate("RuleTesterPanel", "除外条件の「%1」を含むため、表示されません。")
                  .arg(word));
    return row;
}

} // namespace

RuleTesterPanel::RuleTesterPanel(QList<PageRecord> pages, AppSettings settings, Fetcher fetcher,
                                 QWidget* parent)
    : QGroupBox(tr("テスト"), parent)
    , m_settings(std::move(settings))
    , m_probe(new PageProbe(std::move(fetcher), this))
    , m_chooser(new QComboBox(this))
    , m_fetch(new QPushButton(tr("取得"), this))
    , m_status(new QLabel(this))
    , m_results(new QListWidget(this)) {
    setObjectName(u"fraTest"_s);
    m_chooser->setObjectName(u"cboPage"_s);
    m_fetch->setObjectName(u"cmdFetch"_s);
    m_status->setObjectName(u"lblTestStatus"_s);
    m_results->setObjectName(u"lstResults"_s);
    for (const PageRecord& page : pages) {
        if (page.isBlank())
            continue;
        m_pages.append(page);
        m_chooser->addItem(page.Name.isEmpty() ? page.URL : page.Name);
        m_chooser->setItemData(m_chooser->count() - 1, page.URL, Qt::ToolTipRole);
    }
    // The first page the update fetches, rather than one switched off.
    const auto enabled =
        std::find_if(m_pages.cbegin(), m_pages.cend(), [](const PageRecord& page) { return page.Enabled; });
    if (enabled != m_pages.cend())
        m_chooser->setCurrentIndex(int(enabled - m_pages.cbegin()));
    layOut();
    connect(m_fetch, &QPushButton::clicked, this, &RuleTesterPanel::fetchOrCancel);
    connect(m_probe, &PageProbe::finished, this, &RuleTesterPanel::takePage);
    connect(m_chooser, &QComboBox::currentIndexChanged, this, [this] {
        m_probe->cancel();
        forgetPage(tr("「取得」を押すと、このページにルールを当てた結果を表示します。"));
    });
    m_chooser->setEnabled(!m_pages.isEmpty());
    m_fetch->setEnabled(!m_pages.isEmpty());
    forgetPage(m_pages.isEmpty()
                   ? tr("ページが登録されていません。")
                   : tr("ページを選んで「取得」を押すと、このルールで抽出される情報を表示します。"));
}

void RuleTesterPanel::layOut() {
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_results->setWordWrap(true);
    m_results->setTextElideMode(Qt::ElideNone);
    auto* pageLine = new QHBoxLayout;
    auto* pageLabel = new QLabel(tr("ページ(&P):"), this);
    pageLabel->setBuddy(m_chooser);
    pageLine->addWidget(pageLabel);
    pageLine->addWidget(m_chooser, 1);
    pageLine->addWidget(m_fetch);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pageLine);
    layout->addWidget(m_status);
    layout->addWidget(m_results, 1);
}

void RuleTesterPanel::setRule(const RuleRecord& rule) {
    m_rule = rule;
    if (!m_text.isEmpty())
        showFragments();
}

void RuleTesterPanel::fetchOrCancel() {
    if (m_probe->isRunning()) {
        m_probe->cancel();
        forgetPage(tr("取得を中止しました。"));
        return;
    }
    forgetPage(tr("'%1' を取得中…").arg(m_chooser->currentText()));
    m_probe->start(m_pages.at(m_chooser->currentIndex()), m_settings);
    m_fetch->setText(tr("中止"));
}

void RuleTesterPanel::forgetPage(const QString& status) {
    m_text.clear();
    m_pageSummary.clear();
    m_pageError.clear();
    m_feedTitles.reset();
    m_feedMarkup.clear();
    m_results->clear();
    m_status->setText(status);
    m_fetch->setText(tr("取得"));
}

void RuleTesterPanel::takePage(const ProbedPage& page) {
    m_fetch->setText(tr("取得"));
    m_pageError = page.error.trimmed().replace(u"\r\n"_s, u"\n"_s);
    if (page.text.isEmpty()) {
        m_status->setText(tr("取得できませんでした。") + u"\n"_s + m_pageError);
        return;
    }
    m_text = page.text;
    m_feedTitles = page.feedTitles;
    m_feedMarkup = page.feedMarkup;
    m_pageSummary = tr("文字コード: %1　文字数: %2").arg(page.charset, number(page.text.size()));
    showFragments();
}

void RuleTesterPanel::showFragments() {
    m_results->clear();
    QString status = m_pageSummary;
    if (m_rule.Header.isEmpty()) {
        status += tr("\nヘッダーを入力してください。");
    } else {
        const QList<RuleFragment> fragments = testRule(m_text, m_rule, extractionOptionsFor(m_settings));
        const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
        qsizetype excluded = 0;
        for (const RuleFragment& fragment : fragments) {
            excluded += fragment.excludedBy ? 1 : 0;
            if (m_results->count() < MaxRows)
                m_results->addItem(fragment.excludedBy ? excludedRow(fragment, grey)
                                                       : new QListWidgetItem(fragment.text));
        }
        if (fragments.size() > MaxRows) {
            auto* rest = new QListWidgetItem(tr("…ほか %1 件").arg(number(fragments.size() - MaxRows)));
            rest->setForeground(grey);
            m_results->addItem(rest);
        }
        status += tr("　抽出: %1件　除外: %2件").arg(number(fragments.size() - excluded), number(excluded));
        // A rule takes a feed over only when it finds something in the feed's own markup.
        if (m_feedTitles && testRule(m_feedMarkup, m_rule, extractionOptionsFor(m_settings)).isEmpty())
            status += u"\n"_s + tr("フィードの見出し %1 件を表示します").arg(number(*m_feedTitles));
    }
    // What went wrong on the way without stopping the page (a password that could not be restored).
    if (!m_pageError.isEmpty())
        status += u"\n"_s + m_pageError;
    m_status->setText(status);
}
