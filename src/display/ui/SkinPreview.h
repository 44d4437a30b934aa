#pragma once

#include <QFrame>
#include <QImage>

// The skin chooser's preview: the picture centred in a sunken frame and drawn as the sign draws it,
// every pixel a square of whole device pixels.
class SkinPreview : public QFrame {
    Q_OBJECT
public:
    explicit SkinPreview(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(SkinPreview)

    void setPicture(const QImage& picture);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture's size in logical pixels at the screen's whole device pixel ratio.
    QSize pictureSize() const;

    QImage m_picture;
};
