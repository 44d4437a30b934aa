#pragma once

#include "retrieval/PageEncoding.h"

#include <QByteArrayView>
#include <optional>

// The encoding of a page that declares none, Japanese first: ISO-2022-JP (escape sequences), UTF-8
// (strictly valid, plain ASCII included), then EUC-JP or Shift_JIS when the bytes read plainly as
// Japanese or are too few for anything else to be sure; otherwise the charset detector's guess
// (windows-1252, GB18030, Big5, EUC-KR, windows-1251, KOI8-R ...), and Japanese again when it has
// none. Between EUC-JP and Shift_JIS the byte patterns decide, Shift_JIS on a tie.
PageEncoding detectEncoding(QByteArrayView bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut-off sequence.
bool isStrictUtf8(QByteArrayView bytes);
// An escape sequence that designates a character set of ISO-2022-JP.
bool hasIso2022JpEscape(QByteArrayView bytes);

// What the bytes plainly are, for overruling a server that labels every page alike: ISO-2022-JP
// by its escapes, UTF-8 strictly valid with multi-byte sequences, or EUC-JP / Shift_JIS read without a
// single invalid sequence and taken for Japanese by the detector. nullopt when nothing is that plain.
std::optional<PageEncoding> plainEncoding(QByteArrayView bytes);
