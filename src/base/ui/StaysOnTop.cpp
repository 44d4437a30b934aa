#include "base/ui/StaysOnTop.h"

#include <QWidget>

void shareStaysOnTop(const QWidget* from, QWidget* to) {
    if (from)
        to->setWindowFlag(Qt::WindowStaysOnTopHint,
                          from->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}
