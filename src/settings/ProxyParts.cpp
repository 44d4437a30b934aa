#include "settings/ProxyParts.h"

using namespace Qt::StringLiterals;

ProxyParts splitProxy(const QString& proxy) {
    const qsizetype colon = proxy.lastIndexOf(u':');
    if (colon < 0 || proxy.size() - (colon + 1) > ProxyPortBoxLength)
        return {proxy, QString()};
    return {proxy.first(colon), proxy.sliced(colon + 1)};
}

QString joinProxy(const QString& address, const QString& port) {
    return address + u':' + (port.isEmpty() ? u"8080"_s : port);
}
