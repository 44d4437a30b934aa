#include "base/ui/DialogParts.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QVBoxLayout>

QLayout* buttonColumn(std::initializer_list<std::initializer_list<QPushButton*>> groups) {
    auto* column = new QVBoxLayout;
    for (const auto& group : groups) {
        if (column->count() > 0)
            column->addSpacing(16);
        for (QPushButton* button : group)
            column->addWidget(button);
    }
    column->addStretch();
    return column;
}

QLayout* buttonsAtRight(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

int selectedRow(const QAbstractItemView* view) {
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}
