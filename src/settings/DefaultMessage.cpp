#include "settings/DefaultMessage.h"

#include <QCoreApplication>

QString shownDefaultMessage(const QString& stored) {
    if (stored != QString::fromUtf8(ShippedDefaultMessage))
        return stored;
    return QCoreApplication::translate("DefaultMessage", ShippedDefaultMessage);
}
