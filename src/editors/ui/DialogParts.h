#pragma once

#include <QString>
#include <initializer_list>

class QAbstractItemView;
class QLabel;
class QLayout;
class QPushButton;
class QWidget;

// Controls named as the editor dialogs' tests and the user's access keys know them.
QPushButton* NamedButton(QWidget* parent, const QString& name, const QString& caption);
// A label whose access key focuses buddy, when given.
QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text, QWidget* buddy = nullptr);
// The buttons beside a list, stacked from the top, with a gap between groups.
QLayout* ButtonColumn(std::initializer_list<std::initializer_list<QPushButton*>> groups);
// The buttons below a dialog, side by side at the right.
QLayout* ButtonsAtRight(std::initializer_list<QPushButton*> buttons);
// The selected row of a single-selection list or table, -1 when nothing is selected.
int SelectedRow(const QAbstractItemView* view);
