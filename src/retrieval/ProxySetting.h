#pragma once

#include <QString>

// Picks the proxy for one URL scheme from the proxy text of the settings, which takes the forms
// these forms:
//   "host:port"                       every scheme through that proxy
//   "http=host:port"                  only http through it; other schemes go direct
//   "http=h1:p1;https=h2:p2"          one entry per scheme (";" or white space between entries)
// An entry for the scheme wins over an entry without "scheme=". Entries for other schemes
// (ftp=, socks=, ...) are ignored. Returns the proxy ("host:port", or a value with its own
// "scheme://" prefix as written), or an empty text when the scheme goes direct.
QString proxyForScheme(const QString& proxyText, const QString& scheme);
