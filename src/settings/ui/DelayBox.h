#pragma once

#include <QSpinBox>

// A number box with spin buttons for a delay. Only digits can be typed, and a number outside the
// spin range may be typed, so that Apply can say what the range is; the buttons and the arrow keys
// move within the range.
class DelayBox : public QSpinBox {
    Q_OBJECT
public:
    DelayBox(int lowest, int highest, QWidget* parent = nullptr);

    void stepBy(int steps) override;

protected:
    QValidator::State validate(QString& text, int& position) const override;
    StepEnabled stepEnabled() const override;

private:
    int m_lowest;
    int m_highest;
};
