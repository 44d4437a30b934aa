#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <utility>

// Reads XML markup as a forgiving feed reader does, for the feeds servers really send. It never
// stops at a fault: references to HTML's named characters ("&nbsp;") are decoded, an "&" that
// starts no reference is an "&", a "<" that starts no tag is a "<", an end tag closes the elements
// left open inside it and one with nothing to close is ignored, a prefix without its namespace
// declaration gets the namespace feeds use it for (dc, media, content, atom, rdf) or none. A
// document type is skipped whole: the entities it declares are never expanded, their references stay
// as written, and nothing it names is fetched. A document cut off simply ends, the elements still
// open being left unclosed. Comments and processing instructions are skipped.
class LenientXmlReader {
public:
    enum class Token { StartElement, EndElement, Characters, EndOfDocument };

    explicit LenientXmlReader(QStringView document);

    Token readNext();

    // The element that starts or ends: its local name and namespace.
    QStringView name() const { return QStringView(m_current.qualifiedName).sliced(m_current.localAt); }
    QStringView namespaceUri() const { return m_current.namespaceUri; }
    // An attribute of the element that starts, by its name as written, references decoded; "" when
    // it has none.
    QString attribute(QStringView name) const;
    // The characters read, references decoded; a CDATA section's as they stand.
    const QString& text() const { return m_text; }
    // The elements open, the one that starts included.
    qsizetype depth() const { return m_open.size(); }
    // Where the markup or characters read last began in the document (for an element closed by the
    // end tag of another, that end tag), and where reading goes on.
    qsizetype tokenStart() const { return m_tokenStart; }
    qsizetype position() const { return m_at; }

private:
    struct OpenElement {
        QString qualifiedName;  // shared with m_openNames' key
        qsizetype localAt = 0;  // where the local name starts in it
        QString namespaceUri;   // shared with its binding
        qsizetype bindings = 0; // namespace declarations it made
    };
    struct Binding {
        QString prefix;
        QString uri;
    };

    // Each gives nullopt when it only skipped something.
    std::optional<Token> readMarkup();
    std::optional<Token> readStartTag();
    std::optional<Token> readEndTag();
    Token readCharacters();
    Token closePending();
    bool readAttributes(bool& selfClosing);
    qsizetype bind();
    void skipPast(QStringView marker);
    void skipDeclaration();
    bool isMarkupAt(qsizetype at) const;
    QString resolve(QStringView prefix) const;
    QStringView nameAt(qsizetype at) const;

    QStringView m_document;
    qsizetype m_at = 0;
    qsizetype m_tokenStart = 0;
    QList<OpenElement> m_open;
    QList<Binding> m_bindings;
    QHash<QString, int> m_openNames; // how many elements of each name are open
    qsizetype m_pendingEnds = 0;     // elements an end tag or an empty tag has still to close
    OpenElement m_current;
    QString m_text;
    QList<std::pair<QString, QString>> m_attributes;
};
