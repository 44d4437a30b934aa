#pragma once

#include "base/StopSignal.h"

#include <QByteArray>
#include <QString>

// Turns a downloaded page into one line of Unicode text: decoded with the charset of the
// Content-Type header, else of a <meta>, else of an XML declaration, else of a BOM, else the
// detected one (see PageDecoder.h; an 8-bit page ends at its first NUL byte); then normaliseText.
// An empty or undecodable page gives an empty text.
QString normalisePageText(const QByteArray& bytes, const QByteArray& contentType = {});

// The steps after decoding: half-width katakana widened, a following voiced mark joined to its
// letter; CR, LF and TAB deleted; space pairs removed in one pass; then "&lt;", "&gt;", "&amp;",
// "&apos;", "&quot;", "&nbsp;", "&#60;", "&#62;", "&#38;", "&#39;", "&#34;" and "&#160;" decoded in
// that order, case-sensitively.
QString normaliseText(QString text);

// The visible text of a page: tags, comments, style and script blocks and the title dropped,
// as is everything before the first ">". Nothing is put between the texts of adjacent elements.
QString stripPageText(const QString& text, const StopSignal& shouldStop = {});
