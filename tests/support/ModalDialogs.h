#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

// Widget tests only. Runs answer on the modal dialog that the code under test is about to run
// with exec(), once that dialog is shown; answer closes it (or leaves it to a later answer).
inline void WhenModalOpens(std::function<void(QDialog*)> answer) {
    QTimer::singleShot(0, qApp, [answer = std::move(answer)] {
        answer(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
    });
}

template <typename Control> Control* Find(QWidget* dialog, const char* name) {
    return dialog->findChild<Control*>(QString::fromLatin1(name));
}
