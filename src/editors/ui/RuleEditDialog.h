#pragma once

#include "base/UserPrompter.h"
#include "retrieval/DataSet.h"

#include <QDialog>
#include <array>

class QGridLayout;
class QLineEdit;

// The rule edit dialog: a rule's name, header, footer and exclusion words. OK needs a header;
// Enter in a box does not press it.
class RuleEditDialog : public QDialog {
    Q_OBJECT
public:
    // The boxes of txtText, in the order of their object names txtText0..txtText3.
    enum Box { HeaderBox, FooterBox, ExclusionsBox, NameBox };

    // Shows a new rule, enabled, named "新しいルール".
    explicit RuleEditDialog(UserPrompter& prompter, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(RuleEditDialog)

    // Shows a stored rule instead; its flag is kept.
    void setRule(const RuleRecord& rule);
    // The rule as the boxes now make it.
    RuleRecord rule() const;
    // Puts a widget that works with the rule being edited below the boxes; ruleEdited keeps it
    // up to date.
    void setTester(QWidget* tester);

    void accept() override;

signals:
    void ruleEdited(const RuleRecord& rule);

private:
    void addBoxes(QGridLayout* grid);

    UserPrompter& m_prompter;
    bool m_enabled = true;
    std::array<QLineEdit*, 4> m_boxes{};
    QGridLayout* m_grid = nullptr;
};
