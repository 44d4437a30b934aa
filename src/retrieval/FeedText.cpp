#include "retrieval/FeedText.h"

#include "retrieval/HtmlEntities.h"
#include "retrieval/TagRemoval.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

bool isSpace(QChar c) {
    return c.unicode() <= u' ' || c == QChar(0xA0) || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

} // namespace

QString collapseWhiteSpace(QStringView raw) {
    QString text;
    text.reserve(raw.size());
    bool space = false;
    for (const QChar c : raw) {
        if (isSpace(c)) {
            space = !text.isEmpty();
            continue;
        }
        if (space)
            text += u' ';
        space = false;
        text += c;
    }
    return text;
}

QString htmlText(QString html) {
    static const QRegularExpression block(
        uR"(<(?:br|/?(?:p|div|li|ul|ol|dd|dt|tr|td|th|h[1-6]|blockquote|pre|hr|table|section|article))\b[^<>]*>)"_s,
        QRegularExpression::CaseInsensitiveOption);
    if (html.contains(u'<')) {
        html.replace(block, u" "_s);
        removeTags(html);
    }
    QString text;
    appendWithReferencesDecoded(text, html);
    return collapseWhiteSpace(text);
}

bool looksLikeHtml(const QString& text) {
    static const QRegularExpression markup(uR"(</[a-z][a-z0-9]*\s*>|<br\s*/?>)"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    return text.contains(u'<') && markup.match(text).hasMatch();
}

QString excerpt(const QString& text) {
    if (text.size() <= ExcerptLength)
        return text;
    const qsizetype cut = text[ExcerptLength - 2].isHighSurrogate() ? ExcerptLength - 2 : ExcerptLength - 1;
    return text.first(cut) + u'…';
}
