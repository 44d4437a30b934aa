#pragma once

#include "base/UserPrompter.h"
#include "editors/EditPages.h"
#include "retrieval/DataFiles.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

// The page list dialog: the pages to fetch with their fetch flags and what the last update got
// from each, to reorder, add, edit, rename in place and remove. However it is closed, the list is
// written to url.txt and the data files are loaded again.
class PageListDialog : public QDialog {
    Q_OBJECT
public:
    // statuses: what the last update got from each page, by page number.
    PageListDialog(DataFiles& dataFiles, UserPrompter& prompter, const QMap<int, PageStatus>& statuses,
                   QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(PageListDialog)

    // Once closed: the statuses by the numbers of the pages as saved (those given, when the list
    // could not be saved).
    QMap<int, PageStatus> pageStatuses() const;

    void done(int result) override;

private:
    void addControls();
    QWidget* addList();
    void connectControls();
    void rebuild(int selected);
    void synchronise();
    void addPage();
    void editPage();
    void removePage();
    void movePage(int step);
    void disableAll();
    // Runs the page edit dialog; the page it makes, written to row or appended, is selected.
    void runEditor(const PageRecord* page, int row);

    DataFiles& m_dataFiles;
    UserPrompter& m_prompter;
    QMap<int, PageStatus> m_givenStatuses;
    EditPages m_pages;
    bool m_saved = false;
    // Removing and editing wait for the user to pick a page, not the one selected on opening.
    QTreeWidget* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QPushButton* m_allClear = nullptr;
};
