#include "base/ui/TextBoxBehaviour.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>

using namespace Qt::StringLiterals;

void TextBoxBehaviour::apply(QLineEdit* box, LineBreaks lineBreaks) {
    box->installEventFilter(new TextBoxBehaviour(box));
    if (lineBreaks == LineBreaks::Keep)
        return;
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        static const QRegularExpression lineBreak(u"[\r\n]"_s);
        const qsizetype at = text.indexOf(lineBreak);
        if (at < 0)
            return;
        box->setText(text.left(at));
        box->setCursorPosition(int(at));
    });
}

QLineEdit* TextBoxBehaviour::newBox(QWidget* parent, int index, int maxLength, LineBreaks lineBreaks) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(u"txtText"_s + QString::number(index));
    box->setMaxLength(maxLength);
    apply(box, lineBreaks);
    return box;
}

bool TextBoxBehaviour::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
        // After the box has handled the focus itself, which may place the caret.
        auto* box = static_cast<QLineEdit*>(watched);
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return false;
}
