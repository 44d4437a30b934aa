#include "editors/ui/PageListDialog.h"

#include "base/ui/DialogParts.h"
#include "base/ui/NamedControls.h"
#include "base/ui/StaysOnTop.h"
#include "editors/ListRows.h"
#include "editors/ui/PageEditDialog.h"
#include "retrieval/CycleTexts.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

enum Column { NameColumn, UrlColumn, StatusColumn };

// Only the page name is edited in place; the address and the status are shown.
class ShownOnlyDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override {
        return nullptr;
    }
};

QTreeWidgetItem* pageItem(const PageRecord& page, const std::optional<PageStatus>& status) {
    auto* item = new QTreeWidgetItem({page.Name, page.URL});
    item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
    item->setCheckState(NameColumn, page.Enabled ? Qt::Checked : Qt::Unchecked);
    if (status) {
        item->setText(StatusColumn, CycleTexts::pageStatusText(*status));
        if (status->kind == PageStatus::Kind::Error)
            item->setToolTip(StatusColumn, CycleTexts::errorDetail(status->error));
    }
    return item;
}

} // namespace

PageListDialog::PageListDialog(DataFiles& dataFiles, UserPrompter& prompter,
                               const QMap<int, PageStatus>& statuses, QWidget* parent)
    : QDialog(parent)
    , m_dataFiles(dataFiles)
    , m_prompter(prompter)
    , m_givenStatuses(statuses)
    , m_pages(dataFiles.tables().pages, statuses) {
    setObjectName(u"frmURL"_s);
    setWindowTitle(tr("更新の設定"));
    addControls();
    // The first page is picked on opening: the row that looks selected is the one the buttons act on.
    rebuild(m_pages.count() > 0 ? 0 : -1);
    connectControls();
}

// The list, on the one tab of the dialog.
QWidget* PageListDialog::addList() {
    m_list = new QTreeWidget;
    m_list->setObjectName(u"lvwURLs"_s);
    m_list->setHeaderLabels({tr("名前"), u"URL"_s, tr("状態")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_list->setItemDelegateForColumn(UrlColumn, new ShownOnlyDelegate(m_list));
    m_list->setItemDelegateForColumn(StatusColumn, new ShownOnlyDelegate(m_list));
    m_list->header()->resizeSection(NameColumn, 170);
    m_list->header()->resizeSection(UrlColumn, 300);
    m_list->setMinimumSize(600, 260);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(u"TabStrip1"_s);
    tabs->addTab(m_list, tr("取得するページ"));
    return tabs;
}

void PageListDialog::addControls() {
    QWidget* tabs = addList();
    m_add = namedButton(this, u"cmdNewURL"_s, tr("追加(&A)..."));
    m_remove = namedButton(this, u"cmdRemoveURL"_s, tr("削除(&D)"));
    m_edit = namedButton(this, u"cmdEditURL"_s, tr("編集(&E)..."));
    m_up = namedButton(this, u"cmdUp"_s, tr("上へ"));
    m_down = namedButton(this, u"cmdDown"_s, tr("下へ"));
    m_allClear = namedButton(this, u"cmdAllClear"_s, tr("すべて未選択"));
    auto* close = namedButton(this, u"cmdOK"_s, tr("閉じる"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(tabs, 0, 0);
    layout->addLayout(buttonColumn({{m_add, m_remove, m_edit}, {m_up, m_down}, {m_allClear}}), 0, 1);
    layout->addWidget(close, 1, 1);
}

void PageListDialog::connectControls() {
    connect(m_list, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (column != NameColumn)
            return;
        const int row = m_list->indexOfTopLevelItem(item);
        m_pages.setName(row, item->text(NameColumn));
        m_pages.setEnabled(row, item->checkState(NameColumn) == Qt::Checked);
        synchronise();
    });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &PageListDialog::synchronise);
    // The row the keyboard is on is the row picked: after a removal, tabbing into the list must not
    // highlight a row that 編集 and 削除 know nothing of.
    connect(m_list, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* current) {
        if (current && !current->isSelected())
            current->setSelected(true);
    });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &PageListDialog::editPage);
    connect(m_add, &QPushButton::clicked, this, &PageListDialog::addPage);
    connect(m_edit, &QPushButton::clicked, this, &PageListDialog::editPage);
    connect(m_remove, &QPushButton::clicked, this, &PageListDialog::removePage);
    connect(m_up, &QPushButton::clicked, this, [this] { movePage(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { movePage(+1); });
    connect(m_allClear, &QPushButton::clicked, this, &PageListDialog::disableAll);
}

// The list shows the working copy again, with selected (-1: none) the selected page; the buttons follow.
void PageListDialog::rebuild(int selected) {
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        for (int row = 0; row < m_pages.count(); ++row)
            m_list->addTopLevelItem(pageItem(m_pages.page(row), m_pages.status(row)));
        if (QTreeWidgetItem* item = m_list->topLevelItem(selected)) {
            m_list->setCurrentItem(item);
            m_list->scrollToItem(item);
        }
    }
    synchronise();
}

void PageListDialog::synchronise() {
    const RowButtons buttons = buttonsFor(selectedRow(m_list), m_pages.count());
    m_remove->setEnabled(buttons.selected);
    m_edit->setEnabled(buttons.selected);
    m_up->setEnabled(buttons.up);
    m_down->setEnabled(buttons.down);
    m_allClear->setEnabled(m_pages.anyEnabled());
}

void PageListDialog::addPage() {
    runEditor(nullptr, -1);
}

void PageListDialog::editPage() {
    const int row = selectedRow(m_list);
    if (row >= 0)
        runEditor(&m_pages.page(row), row);
}

void PageListDialog::runEditor(const PageRecord* page, int row) {
    PageEditDialog editor(m_prompter, this);
    shareStaysOnTop(this, &editor);
    if (page)
        editor.setPage(*page);
    if (editor.exec() != QDialog::Accepted)
        return;
    if (row >= 0)
        m_pages.replace(row, editor.page());
    else
        row = m_pages.append(editor.page());
    rebuild(row);
}

void PageListDialog::removePage() {
    const int row = selectedRow(m_list);
    if (row < 0)
        return;
    const QString question = tr("URL '%1' を削除します。\r\nよろしいですか?").arg(m_pages.page(row).URL);
    if (!m_prompter.askYesNo(tr("削除の確認"), question))
        return;
    m_pages.remove(row);
    rebuild(-1);
}

void PageListDialog::movePage(int step) {
    if (const std::optional<int> moved = m_pages.move(selectedRow(m_list), step))
        rebuild(*moved);
}

void PageListDialog::disableAll() {
    m_pages.disableAll();
    rebuild(selectedRow(m_list));
}

QMap<int, PageStatus> PageListDialog::pageStatuses() const {
    return m_saved ? m_pages.statuses() : m_givenStatuses;
}

void PageListDialog::done(int result) {
    // A name still being edited in place is taken along: leaving the item commits it.
    m_list->setCurrentItem(nullptr);
    m_saved = m_dataFiles.savePages(m_pages.pages());
    QDialog::done(result);
}
