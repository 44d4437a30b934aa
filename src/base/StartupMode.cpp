#include "base/StartupMode.h"

#include <QStringList>

using namespace Qt::StringLiterals;

StartupOptions parseStartupArguments(const QString& argumentText) {
    if (argumentText.toLower() == u"/singleuser"_s)
        return {StartupMode::SingleUser, {}};
    if (argumentText.left(4).toLower() == u"/id="_s)
        return {StartupMode::PerId, argumentText.mid(4)};
    return {StartupMode::PerUser, {}};
}

QString argumentText(const QStringList& arguments) {
    return arguments.mid(1).join(u' ');
}
