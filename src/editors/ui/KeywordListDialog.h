#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;

// The keyword list dialog: keywords to add, remove and reorder. The list is its own until OK
// hands it back to the options dialog's working copy; Cancel leaves that copy as it was.
class KeywordListDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeywordListDialog(QStringList& keywords, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(KeywordListDialog)

    // Opens the dialog modally over parent on a working copy.
    static std::function<void(QWidget*, QStringList&)> opener();

    void accept() override;

private:
    void addControls();
    void connectControls();
    void rebuild(int selected);
    void updateButtons();
    void addKeyword();
    void removeKeyword();
    void moveKeyword(int step);

    QStringList& m_keywords;
    QStringList m_entries; // the list as shown
    QLineEdit* m_input = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
};
