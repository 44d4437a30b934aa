#pragma once

class QWidget;

// Dialogs opened from another window share its place above the sign; from may be null.
void shareStaysOnTop(const QWidget* from, QWidget* to);
