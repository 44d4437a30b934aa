#pragma once

#include <QString>

// The longest port the proxy dialog's port box takes.
inline constexpr int ProxyPortBoxLength = 5;

// The Proxy setting as the proxy dialog shows it: an address box and a port box.
struct ProxyParts {
    QString address;
    QString port;

    bool operator==(const ProxyParts&) const = default;
};

// Splits at the last ":" when what follows fits the port box (at most five characters); for the
// usual "host:port" that is its only ":". Forms written by hand keep their own colons in the address
// ("http://host:3128", "[::1]:3128"), and a value without a port is all address, so no text is
// ever cut to fit the port box, and a value with a port is given back whole by joinProxy.
ProxyParts splitProxy(const QString& proxy);

// The Proxy setting from the boxes: address, ":", port; "8080" for an empty port.
QString joinProxy(const QString& address, const QString& port);
