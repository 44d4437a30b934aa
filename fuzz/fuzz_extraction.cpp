// Page stripping, tag removal and extraction by rules: any page and any rules run without fault or
// hang. The stripped text keeps no "<" or ">". Every item is non-empty, comes from an enabled rule
// and holds no complete tag. On pages of up to ReferenceLimit characters, tag removal over the whole
// page and the items equal what the literal algorithm gives: each rule's exclusion text prepared
// and then split at spaces, a header with no footer after it moving the search on by one character,
// each tag deleted wherever its exact text occurs. Stopped early, extraction has given the first of
// those items (links aside), and every item's link is empty or the href of an anchor tag that starts
// somewhere in the page as it came.
// Input: the page (UTF-8), then the rules as filter.txt text, then one byte of flags (1: ignore
// case, 2: ignore quotes, 4: ignore exclusions), four bytes of page number and four bytes that
// count the questions before a stop signal answers yes.
#include "FuzzInput.h"
#include "base/AnsiText.h"
#include "retrieval/ItemExtractor.h"
#include "retrieval/ItemLinks.h"
#include "retrieval/PageText.h"
#include "retrieval/RecordCodec.h"
#include "retrieval/TagRemoval.h"

#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype ReferenceLimit = 4096;

QString prepared(QString text, const ExtractionOptions& options) {
    if (options.ignoreCase)
        text = text.toUpper();
    if (options.ignoreQuote)
        text.remove(u'"').remove(u'\'');
    return text;
}

QString withoutTags(QString fragment) {
    for (qsizetype g = 0;;) {
        const qsizetype open = fragment.indexOf(u'<', g);
        const qsizetype close = open < 0 ? -1 : fragment.indexOf(u'>', open);
        if (close < 0)
            return fragment;
        fragment.replace(fragment.mid(open, close - open + 1), QString());
        g = open;
    }
}

// One rule over the prepared page; returns whether it found a non-empty fragment.
bool ruleStepByStep(const QString& page, int pageNumber, const RuleRecord& rule, int number,
                    const ExtractionOptions& options, InfoItems& items) {
    const QString header = prepared(rule.Header, options);
    QString footer = prepared(rule.Footer, options);
    const QString exclusions = prepared(rule.Exclusions.join(u' '), options);
    const QStringList words = exclusions.isEmpty() ? QStringList() : exclusions.split(u' ');
    if (footer.isEmpty())
        footer = u"<"_s;
    bool found = false;
    for (qsizetype p = 0;;) {
        const qsizetype s = page.indexOf(header, p);
        if (s < 0)
            return found;
        const qsizetype e = page.indexOf(footer, s + header.size());
        if (e < 0) {
            p = s + 1;
            continue;
        }
        const QString fragment = withoutTags(page.mid(s + header.size(), e - s - header.size()));
        if (!fragment.isEmpty()) {
            found = true;
            const auto inFragment = [&](const QString& word) { return fragment.contains(word); };
            if (options.ignoreExcept || std::none_of(words.cbegin(), words.cend(), inFragment))
                items.append(InfoItem{fragment, pageNumber, number});
        }
        p = e + footer.size();
    }
}

bool extractedStepByStep(const QString& page, int pageNumber, const QList<RuleRecord>& rules,
                         const ExtractionOptions& options, InfoItems& items) {
    const QString prepared = ::prepared(page, options);
    bool found = false;
    for (int number = 1; number <= rules.size(); ++number) {
        if (rules[number - 1].Enabled)
            found = ruleStepByStep(prepared, pageNumber, rules[number - 1], number, options, items) || found;
    }
    return found;
}

bool holdsCompleteTag(const QString& text) {
    const qsizetype open = text.indexOf(u'<');
    return open >= 0 && text.indexOf(u'>', open) >= 0;
}

bool isSoundItem(const InfoItem& item, int pageNumber, const QList<RuleRecord>& rules) {
    return !item.text.isEmpty() && !holdsCompleteTag(item.text) && item.page == pageNumber &&
           item.rule >= 1 && item.rule <= rules.size() && rules[item.rule - 1].Enabled;
}

// The hrefs of the anchor tags starting at each "<a" of the page, each tag read to its end.
QSet<QString> hrefsOfEveryAnchor(const QString& page) {
    QSet<QString> hrefs;
    for (qsizetype at = page.indexOf(u"<a", 0, Qt::CaseInsensitive); at >= 0;
         at = page.indexOf(u"<a", at + 1, Qt::CaseInsensitive))
        hrefs.insert(ItemLinks::firstAnchorHref(QStringView(page).sliced(at), 1));
    return hrefs;
}

bool linksAreThePagesAndOtherwiseEqual(InfoItems items, const QString& page, const InfoItems& expected) {
    const QSet<QString> hrefs = hrefsOfEveryAnchor(page);
    for (InfoItem& item : items) {
        if (!item.link.isEmpty() && !hrefs.contains(item.link))
            return false;
        item.link.clear();
    }
    return items == expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = splitFuzzInput(data, size, 3);
    const QString page = QString::fromUtf8(parts.at(0));
    const QList<RuleRecord> rules = parseRules(decodeAnsiText(parts.at(1)));
    const QByteArray& settings = parts.at(2);
    const int flags = settings.isEmpty() ? 0 : static_cast<unsigned char>(settings.at(0));
    const ExtractionOptions options{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0};
    const int pageNumber = int(fuzzNumber(settings.mid(1), 1));

    const QString stripped = stripPageText(page);
    FUZZ_CHECK(stripped.size() <= page.size() && !stripped.contains(u'<') && !stripped.contains(u'>'));

    QString text = page;
    InfoItems items;
    const bool found = extractItems(text, pageNumber, rules, options, items);
    FUZZ_CHECK(text == prepared(page, options));
    FUZZ_CHECK(found || items.isEmpty());
    FUZZ_CHECK(std::all_of(items.cbegin(), items.cend(),
                           [&](const InfoItem& item) { return isSoundItem(item, pageNumber, rules); }));
    if (page.size() <= ReferenceLimit) {
        QString withoutTags = page;
        FUZZ_CHECK(removeTags(withoutTags) && withoutTags == ::withoutTags(page));
        InfoItems expected;
        FUZZ_CHECK(extractedStepByStep(page, pageNumber, rules, options, expected) == found);
        FUZZ_CHECK(linksAreThePagesAndOtherwiseEqual(items, page, expected));
    }

    const std::uint32_t questionsBeforeStop = fuzzNumber(settings.mid(5), 0);
    std::uint32_t questions = 0;
    QString stoppedText = page;
    InfoItems stoppedItems;
    extractItems(stoppedText, pageNumber, rules, options, stoppedItems,
                 [&] { return ++questions > questionsBeforeStop; });
    FUZZ_CHECK(stoppedItems.size() <= items.size() &&
               std::equal(stoppedItems.cbegin(), stoppedItems.cend(), items.cbegin()));
    return 0;
}
