#pragma once

#include <QString>

// Decoding the twelve character references the slow, obvious way, one whole-text replacement after
// the other: what the page normalisation must equal, for the tests and the fuzzer.
QString decodeReferencesOneByOne(QString text);
