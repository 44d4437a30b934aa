#pragma once

#include <QDialog>

// The about box: title, version, notice, the text-conversion library's version and where to get help.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(AboutBox)
};
