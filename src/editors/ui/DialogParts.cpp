#include "editors/ui/DialogParts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

QPushButton* NamedButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

void ShareStaysOnTop(QWidget* from, QWidget* to) {
    if (from)
        to->setWindowFlag(Qt::WindowStaysOnTopHint,
                          from->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}
