#include "retrieval/LenientXmlReader.h"

#include "retrieval/HtmlEntities.h"

namespace {

// Deeper elements are read as if their tags were not there: no feed nests so deep, and it keeps the
// reader's memory in proportion to a sane document whatever it is given.
constexpr qsizetype MaxDepth = 256;

struct KnownPrefix {
    QStringView prefix;
    QStringView uri;
};

// What feeds mean by the prefixes they most often forget to declare.
constexpr KnownPrefix KnownPrefixes[] = {
    {u"dc", u"http://purl.org/dc/elements/1.1/"},
    {u"media", u"http://search.yahoo.com/mrss/"},
    {u"content", u"http://purl.org/rss/1.0/modules/content/"},
    {u"atom", u"http://www.w3.org/2005/Atom"},
    {u"rdf", u"http://www.w3.org/1999/02/22-rdf-syntax-ns#"},
    {u"xml", u"http://www.w3.org/XML/1998/namespace"},
};

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isNameStart(QChar c) {
    return c.isLetter() || c == u'_' || c == u':';
}

bool endsName(QChar c) {
    return isSpace(c) || c == u'>' || c == u'/' || c == u'=' || c == u'<' || c == u'"' || c == u'\'';
}

} // namespace

LenientXmlReader::LenientXmlReader(QStringView document)
    : m_document(document) {}

QString LenientXmlReader::attribute(QStringView name) const {
    for (const auto& [attributeName, value] : m_attributes) {
        if (attributeName == name)
            return value;
    }
    return {};
}

LenientXmlReader::Token LenientXmlReader::readNext() {
    for (;;) {
        if (m_pendingEnds > 0)
            return closePending();
        if (m_at >= m_document.size())
            return Token::EndOfDocument;
        m_tokenStart = m_at;
        if (!isMarkupAt(m_at))
            return readCharacters();
        if (const std::optional<Token> token = readMarkup())
            return *token;
    }
}

bool LenientXmlReader::isMarkupAt(qsizetype at) const {
    if (m_document[at] != u'<' || at + 1 >= m_document.size())
        return false;
    const QChar next = m_document[at + 1];
    return isNameStart(next) || next == u'/' || next == u'!' || next == u'?';
}

LenientXmlReader::Token LenientXmlReader::readCharacters() {
    qsizetype end = m_at;
    for (end = m_document.indexOf(u'<', end); end >= 0 && !isMarkupAt(end);)
        end = m_document.indexOf(u'<', end + 1);
    if (end < 0)
        end = m_document.size();
    m_text.clear();
    appendWithReferencesDecoded(m_text, m_document.sliced(m_at, end - m_at));
    m_at = end;
    return Token::Characters;
}

std::optional<LenientXmlReader::Token> LenientXmlReader::readMarkup() {
    const QStringView rest = m_document.sliced(m_at);
    if (rest.startsWith(u"<!--")) {
        skipPast(u"-->");
    } else if (rest.startsWith(u"<![CDATA[")) {
        const qsizetype start = m_at + 9;
        qsizetype end = m_document.indexOf(u"]]>", start);
        end = end < 0 ? m_document.size() : end;
        m_text = m_document.sliced(start, end - start).toString();
        m_at = std::min(end + 3, m_document.size());
        return Token::Characters;
    } else if (rest.startsWith(u"<!")) {
        skipDeclaration();
    } else if (rest.startsWith(u"<?")) {
        skipPast(u"?>");
    } else if (rest.startsWith(u"</")) {
        return readEndTag();
    } else {
        return readStartTag();
    }
    return std::nullopt;
}

void LenientXmlReader::skipPast(QStringView marker) {
    const qsizetype end = m_document.indexOf(marker, m_at + 2);
    m_at = end < 0 ? m_document.size() : end + marker.size();
}

// A document type and its internal subset, quoted texts and comments inside it included.
void LenientXmlReader::skipDeclaration() {
    QChar quote;
    int brackets = 0;
    for (qsizetype at = m_at + 2; at < m_document.size(); ++at) {
        const QChar c = m_document[at];
        if (!quote.isNull()) {
            quote = c == quote ? QChar() : quote;
        } else if (brackets > 0 && m_document.sliced(at).startsWith(u"<!--")) {
            const qsizetype end = m_document.indexOf(u"-->", at + 4);
            at = end < 0 ? m_document.size() : end + 2;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'[') {
            ++brackets;
        } else if (c == u']') {
            brackets = std::max(0, brackets - 1);
        } else if (c == u'>' && brackets == 0) {
            m_at = at + 1;
            return;
        }
    }
    m_at = m_document.size();
}

QStringView LenientXmlReader::nameAt(qsizetype at) const {
    qsizetype end = at;
    while (end < m_document.size() && !endsName(m_document[end]))
        ++end;
    return m_document.sliced(at, end - at);
}

std::optional<LenientXmlReader::Token> LenientXmlReader::readStartTag() {
    const QStringView qualifiedName = nameAt(m_at + 1);
    m_at += 1 + qualifiedName.size();
    bool selfClosing = false;
    if (!readAttributes(selfClosing)) {
        m_at = m_document.size();
        return std::nullopt;
    }
    if (m_open.size() >= MaxDepth)
        return std::nullopt;
    const qsizetype bindings = bind();
    const QString key = qualifiedName.toString();
    const auto name = m_openNames.insert(key, m_openNames.value(key) + 1);
    const qsizetype colon = qualifiedName.indexOf(u':');
    m_current = {name.key(), colon + 1, resolve(colon > 0 ? qualifiedName.first(colon) : QStringView()),
                 bindings};
    m_open.append(m_current);
    m_pendingEnds = selfClosing ? 1 : 0;
    return Token::StartElement;
}

// Reads the attributes up to the tag's end; false when the document ends first. A tag left open
// ends where the next one starts.
bool LenientXmlReader::readAttributes(bool& selfClosing) {
    m_attributes.clear();
    for (;;) {
        while (m_at < m_document.size() && isSpace(m_document[m_at]))
            ++m_at;
        if (m_at >= m_document.size())
            return false;
        const QChar c = m_document[m_at];
        if (c == u'>' || c == u'<') {
            m_at += c == u'>' ? 1 : 0;
            return true;
        }
        if (c == u'/' && m_at + 1 < m_document.size() && m_document[m_at + 1] == u'>') {
            selfClosing = true;
            m_at += 2;
            return true;
        }
        const QStringView name = nameAt(m_at);
        m_at += std::max<qsizetype>(name.size(), name.isEmpty() ? 1 : 0);
        if (name.isEmpty())
            continue;
        while (m_at < m_document.size() && isSpace(m_document[m_at]))
            ++m_at;
        QString value;
        if (m_at < m_document.size() && m_document[m_at] == u'=') {
            ++m_at;
            while (m_at < m_document.size() && isSpace(m_document[m_at]))
                ++m_at;
            if (m_at >= m_document.size())
                return false;
            const QChar quote = m_document[m_at];
            const bool quoted = quote == u'"' || quote == u'\'';
            const qsizetype start = m_at + (quoted ? 1 : 0);
            if (quoted) {
                m_at = m_document.indexOf(quote, start);
                if (m_at < 0)
                    return false;
            } else {
                while (m_at < m_document.size() && !isSpace(m_document[m_at]) && m_document[m_at] != u'>')
                    ++m_at;
            }
            appendWithReferencesDecoded(value, m_document.sliced(start, m_at - start));
            m_at += quoted ? 1 : 0;
        }
        m_attributes.append({name.toString(), value});
    }
}

// Takes in the namespace declarations among the attributes; returns how many there were.
qsizetype LenientXmlReader::bind() {
    qsizetype count = 0;
    for (const auto& [name, value] : std::as_const(m_attributes)) {
        if (name == u"xmlns")
            m_bindings.append({QString(), value});
        else if (name.startsWith(u"xmlns:"))
            m_bindings.append({name.sliced(6), value});
        else
            continue;
        ++count;
    }
    return count;
}

QString LenientXmlReader::resolve(QStringView prefix) const {
    for (auto binding = m_bindings.crbegin(); binding != m_bindings.crend(); ++binding) {
        if (binding->prefix == prefix)
            return binding->uri;
    }
    for (const KnownPrefix& known : KnownPrefixes) {
        if (known.prefix == prefix)
            return known.uri.toString();
    }
    return {};
}

std::optional<LenientXmlReader::Token> LenientXmlReader::readEndTag() {
    const QStringView name = nameAt(m_at + 2);
    const qsizetype close = m_document.indexOf(u'>', m_at + 2 + name.size());
    if (close < 0) {
        m_at = m_document.size();
        return std::nullopt;
    }
    m_at = close + 1;
    if (!m_openNames.contains(name.toString()))
        return std::nullopt;
    qsizetype match = m_open.size() - 1;
    while (m_open[match].qualifiedName != name)
        --match;
    m_pendingEnds = m_open.size() - match;
    return closePending();
}

LenientXmlReader::Token LenientXmlReader::closePending() {
    --m_pendingEnds;
    m_current = m_open.takeLast();
    m_bindings.resize(m_bindings.size() - m_current.bindings);
    const auto open = m_openNames.find(m_current.qualifiedName);
    if (--*open == 0)
        m_openNames.erase(open);
    return Token::EndElement;
}
