#include "base/ui/StaysOnTop.h"

#include <QWidget>

void ShareStaysOnTop(const QWidget* from, QWidget* to) {
    if (from)
        to->setWindowFlag(Qt::WindowStaysOnTopHint,
                          from->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}
