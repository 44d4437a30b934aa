#include "retrieval/PageMemory.h"

#include "base/AtomicFile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

constexpr int FormatVersion = 1;
constexpr qint64 LargestFile = qint64(64) * 1024 * 1024;

QJsonObject toJson(const QString& key, const RememberedPage& page) {
    QJsonArray items;
    for (const InfoItem& item : page.items)
        items.append(QJsonObject{{u"text"_s, item.text}, {u"rule"_s, item.rule}, {u"link"_s, item.link}});
    return {{u"key"_s, key},
            {u"etag"_s, QString::fromLatin1(page.validators.etag)},
            {u"lastModified"_s, QString::fromLatin1(page.validators.lastModified)},
            {u"items"_s, items}};
}

RememberedPage fromJson(const QJsonObject& object) {
    RememberedPage page;
    page.validators = {object[u"etag"].toString().toLatin1(), object[u"lastModified"].toString().toLatin1()};
    const QJsonArray items = object[u"items"].toArray();
    for (qsizetype i = 0; i < std::min(items.size(), PageMemory::MaxItems); ++i) {
        const QJsonObject item = items[i].toObject();
        page.items.append({item[u"text"].toString(), 0, item[u"rule"].toInt(), item[u"link"].toString()});
    }
    if (items.size() > PageMemory::MaxItems)
        page.validators = {};
    return page;
}

} // namespace

QString pageMemoryKey(const PageRecord& page, const QList<RuleRecord>& rules,
                      const ExtractionOptions& options, bool showTextInstead) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << page.URL << page.UserName << options.ignoreCase << options.ignoreQuote << options.ignoreExcept
        << showTextInstead;
    for (const RuleRecord& rule : rules)
        out << rule.Enabled << rule.Header << rule.Footer << rule.Exclusions;
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

const RememberedPage* PageMemory::find(const QString& key) const {
    const auto page = m_pages.constFind(key);
    return page == m_pages.cend() ? nullptr : &*page;
}

void PageMemory::remember(const QString& key, const PageValidators& validators, InfoItems& items) {
    if (const RememberedPage* before = find(key)) {
        QSet<QString> seen;
        for (const InfoItem& item : before->items)
            seen.insert(item.text);
        for (InfoItem& item : items)
            item.isNew = !seen.contains(item.text);
    }
    RememberedPage kept{validators, items.first(std::min(items.size(), MaxItems))};
    if (items.size() > MaxItems)
        kept.validators = {};
    for (InfoItem& item : kept.items)
        item.isNew = false;
    m_pages.insert(key, std::move(kept));
    m_changed = true;
}

void PageMemory::keepOnly(const QSet<QString>& keys) {
    const qsizetype before = m_pages.size();
    m_pages.removeIf([&keys](const std::pair<const QString&, RememberedPage&>& page) {
        return !keys.contains(page.first);
    });
    m_changed = m_changed || m_pages.size() != before;
}

void PageMemory::load(const QString& path) {
    m_pages.clear();
    m_changed = false;
    QFile file(path);
    if (file.size() > LargestFile || !file.open(QIODevice::ReadOnly))
        return;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    if (root[u"version"].toInt() != FormatVersion)
        return;
    for (const QJsonValue& page : root[u"pages"].toArray()) {
        const QString key = page[u"key"].toString();
        if (!key.isEmpty())
            m_pages.insert(key, fromJson(page.toObject()));
    }
}

bool PageMemory::save(const QString& path) {
    if (!m_changed)
        return true;
    QJsonArray pages;
    for (auto page = m_pages.cbegin(); page != m_pages.cend(); ++page)
        pages.append(toJson(page.key(), page.value()));
    const QJsonObject root{{u"version"_s, FormatVersion}, {u"pages"_s, pages}};
    m_changed = !writeFileAtomically(path, QJsonDocument(root).toJson(QJsonDocument::Compact));
    return !m_changed;
}
