#pragma once

#include "display/ui/LedPanel.h"

#include <QImage>

// A panel that shows one picture of the sign (the caption, the update lamp) or, without one, the
// unlit LED colour.
class LedPicture : public LedPanel {
    Q_OBJECT
public:
    LedPicture(QSize ledSize, QWidget* parent);
    Q_DISABLE_COPY_MOVE(LedPicture)

    void setPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
