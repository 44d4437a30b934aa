#pragma once

#include "base/UserPrompter.h"
#include "editors/PageFields.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;

// The page edit dialog: name, address, whether the page is fetched, label, and the user name and
// password for the page's login. OK checks the address and the password and leaves the dialog
// open, with everything typed, when either cannot be stored.
class PageEditDialog : public QDialog {
    Q_OBJECT
public:
    // The boxes of txtText, in the order of their object names txtText0..txtText4.
    enum Box { NameBox, UrlBox, UserNameBox, PasswordBox, LabelBox };

    explicit PageEditDialog(UserPrompter& prompter, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(PageEditDialog)

    // Shows a stored page instead of a new one.
    void setPage(const PageRecord& page);
    // The page as the boxes now make it.
    PageRecord page() const;

    void accept() override;

private:
    void addBoxes();
    void showFields(const PageFields& shown);
    PageFields fields() const;
    void refuse(Box box, const QString& message);

    UserPrompter& m_prompter;
    PageRecord m_original;
    std::array<QLineEdit*, 5> m_boxes{};
    QCheckBox* m_fetch = nullptr;
};
