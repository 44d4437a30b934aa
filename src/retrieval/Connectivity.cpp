#include "retrieval/Connectivity.h"

#include <QFile>
#include <QList>

namespace {

// /proc/net/route: "Iface Destination Gateway ..." with the destination in hex; 00000000 is default.
bool hasDefaultIpv4Route() {
    QFile routes(QStringLiteral("/proc/net/route"));
    if (!routes.open(QIODevice::ReadOnly))
        return false;
    routes.readLine();
    while (!routes.atEnd()) {
        const QList<QByteArray> fields = routes.readLine().simplified().split(' ');
        if (fields.size() > 1 && fields[1] == "00000000")
            return true;
    }
    return false;
}

// /proc/net/ipv6_route: destination network and prefix length first; ::/0 on a real device is default.
bool hasDefaultIpv6Route() {
    QFile routes(QStringLiteral("/proc/net/ipv6_route"));
    if (!routes.open(QIODevice::ReadOnly))
        return false;
    while (!routes.atEnd()) {
        const QList<QByteArray> fields = routes.readLine().simplified().split(' ');
        if (fields.size() > 9 && fields[0] == QByteArray(32, '0') && fields[1] == "00" && fields[9] != "lo")
            return true;
    }
    return false;
}

} // namespace

bool hasNetworkRoute() {
    return hasDefaultIpv4Route() || hasDefaultIpv6Route();
}
