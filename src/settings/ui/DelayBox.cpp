#include "settings/ui/DelayBox.h"

#include <QLineEdit>
#include <algorithm>

namespace {

// Beyond every delay's range, so that a wrong number can be typed and refused with its range.
constexpr int MostDigits = 5;
constexpr int LargestTyped = 99999;

} // namespace

DelayBox::DelayBox(int lowest, int highest, QWidget* parent)
    : QSpinBox(parent)
    , m_lowest(lowest)
    , m_highest(highest) {
    setRange(0, LargestTyped);
    lineEdit()->setMaxLength(MostDigits);
}

void DelayBox::stepBy(int steps) {
    setValue(std::clamp(value() + steps, m_lowest, m_highest));
    selectAll();
}

QValidator::State DelayBox::validate(QString& text, int&) const {
    if (!std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return QValidator::Invalid;
    return text.isEmpty() ? QValidator::Intermediate : QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled DelayBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < m_highest)
        enabled |= StepUpEnabled;
    if (value() > m_lowest)
        enabled |= StepDownEnabled;
    return enabled;
}
