#pragma once

#include <initializer_list>

class QAbstractItemView;
class QLayout;
class QPushButton;

// The buttons beside a list, stacked from the top, with a gap between groups.
QLayout* buttonColumn(std::initializer_list<std::initializer_list<QPushButton*>> groups);
// The buttons below a dialog, side by side at the right.
QLayout* buttonsAtRight(std::initializer_list<QPushButton*> buttons);
// The selected row of a single-selection list or table, -1 when nothing is selected.
int selectedRow(const QAbstractItemView* view);
