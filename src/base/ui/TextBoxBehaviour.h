#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

// What the text boxes of the proxy, page and rule dialogs share: a box entered from the keyboard,
// by an access key or by the dialog itself selects its whole text, while a click leaves the caret
// where the user clicked. With cutAtLineBreak, text that arrives with a line break (pasted or
// dropped) keeps only what stands before the first one, with the caret at its end.
class TextBoxBehaviour : public QObject {
    Q_OBJECT
public:
    enum class LineBreaks { Keep, CutAtFirst };
    static void apply(QLineEdit* box, LineBreaks lineBreaks);
    // A new box with this behaviour, named txtText<index>, taking at most maxLength characters.
    static QLineEdit* newBox(QWidget* parent, int index, int maxLength, LineBreaks lineBreaks);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
