#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Controls named as the dialogs' tests and the user's access keys know them.
QPushButton* namedButton(QWidget* parent, const QString& name, const QString& caption);
// A label whose access key focuses buddy, when given.
QLabel* namedLabel(QWidget* parent, const QString& name, const QString& text, QWidget* buddy = nullptr);
