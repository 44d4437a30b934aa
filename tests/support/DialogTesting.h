#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTimer>
#include <functional>

// Widget tests only. Runs answer on the modal dialog that the code under test is about to run
// with exec(), once that dialog is shown; answer closes it.
inline void whenModalOpens(std::function<void(QDialog*)> answer) {
    QTimer::singleShot(0, qApp, [answer = std::move(answer)] {
        answer(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
    });
}

template <typename Control = QAbstractButton> Control* find(QWidget* dialog, const char* name) {
    return dialog->findChild<Control*>(QString::fromLatin1(name));
}

// The names of the buttons among names that are enabled, in that order.
inline QStringList enabledButtons(QWidget* dialog, std::initializer_list<const char*> names) {
    QStringList enabled;
    for (const char* name : names) {
        if (find(dialog, name)->isEnabled())
            enabled.append(QString::fromLatin1(name));
    }
    return enabled;
}

inline QStringList texts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}
