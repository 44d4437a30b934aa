#include "settings/ui/OptionsPages.h"

#include "settings/ui/DelayBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

template <typename Control> Control* named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

QCheckBox* check(const QString& name, const QString& caption) {
    return named(new QCheckBox(caption), name);
}

QPushButton* button(const QString& name, const QString& caption) {
    return named(new QPushButton(caption), name);
}

// A caption whose access key moves to buddy.
QLabel* buddyLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

// How far a control that belongs to a check box stands in: under the check box's caption.
int subItemIndent() {
    const QStyle* style = QApplication::style();
    return style->pixelMetric(QStyle::PM_IndicatorWidth) +
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
}

QSpinBox* hourBox(const QString& name) {
    auto* box = named(new QSpinBox, name);
    box->setRange(0, 23);
    return box;
}

// A page of headed groups, stacked from the top.
QWidget* stackedPage(std::initializer_list<QGroupBox*> groups) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (QGroupBox* group : groups)
        layout->addWidget(group);
    layout->addStretch();
    return page;
}

// A headed group whose rows are a grid; the last column takes the spare width.
QGroupBox* headedGroup(const QString& heading, QGridLayout*& grid) {
    auto* group = new QGroupBox(heading);
    grid = new QGridLayout(group);
    grid->setColumnStretch(5, 1);
    return group;
}

void addRow(QGridLayout* grid, QWidget* control) {
    grid->addWidget(control, grid->rowCount(), 0, 1, 6);
}

// A check box with a number box and its unit after it.
void addDelayRow(QGridLayout* grid, QCheckBox* check, QSpinBox* box, const QString& unit) {
    const int row = grid->rowCount();
    grid->addWidget(check, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(buddyLabel(unit, box), row, 2);
}

// A text explaining what the button beside it opens.
void addButtonRow(QGridLayout* grid, const QString& text, QPushButton* button) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(text), row, 0, 1, 5);
    grid->addWidget(button, row, 5, Qt::AlignRight | Qt::AlignVCenter);
}

QGroupBox* updateGroup(OptionsForm& form) {
    QGridLayout* grid = nullptr;
    QGroupBox* group = headedGroup(QCoreApplication::translate("OptionsPages", "更新"), grid);
    form.autoReload =
        check(u"chkAutoReload"_s, QCoreApplication::translate("OptionsPages", "定期的に更新する(&C)"));
    form.autoReloadDelay = named(new DelayBox(1, 60), u"txtAutoReloadDelay"_s);
    addDelayRow(grid, form.autoReload, form.autoReloadDelay,
                QCoreApplication::translate("OptionsPages", "分ごと(&T)"));
    // The quiet hours belong to the periodic update: indented under it.
    auto* quiet = new QHBoxLayout;
    quiet->addSpacing(subItemIndent());
    form.quietHours = check(u"chkAutoReloadOff"_s,
                            QCoreApplication::translate("OptionsPages", "次の時間帯は更新しない(&F)"));
    quiet->addWidget(form.quietHours);
    const int row = grid->rowCount();
    grid->addLayout(quiet, row, 0);
    form.quietFrom = hourBox(u"txtAutoReloadOffFrom"_s);
    form.quietTo = hourBox(u"txtAutoReloadOffTo"_s);
    grid->addWidget(form.quietFrom, row, 1);
    grid->addWidget(buddyLabel(QCoreApplication::translate("OptionsPages", "時 から(&R)"), form.quietFrom),
                    row, 2);
    grid->addWidget(form.quietTo, row, 3);
    grid->addWidget(buddyLabel(QCoreApplication::translate("OptionsPages", "時 まで(&T)"), form.quietTo), row,
                    4);
    addRow(grid, form.loadAtFirst = check(u"chkLoadAtFirst"_s, QCoreApplication::translate(
                                                                   "OptionsPages", "起動時に更新する(&S)")));
    addRow(grid,
           form.showProgress = check(u"chkShowProgressDialog"_s,
                                     QCoreApplication::translate("OptionsPages", "進捗を表示する(&P)")));
    addRow(grid,
           form.hideErrors = check(u"chkHideErrorDialog"_s,
                                   QCoreApplication::translate("OptionsPages", "エラーを通知しない(&E)")));
    return group;
}

QGroupBox* showGroup(OptionsForm& form) {
    QGridLayout* grid = nullptr;
    QGroupBox* group = headedGroup(QCoreApplication::translate("OptionsPages", "表示"), grid);
    addRow(grid, form.showOnUpdate = check(
                     u"chkNotify"_s, QCoreApplication::translate("OptionsPages", "更新時に表示する(&N)")));
    form.showInTurn =
        check(u"chkShowInfo"_s, QCoreApplication::translate("OptionsPages", "定期的に情報を表示する(&H)"));
    form.showInfoDelay = named(new DelayBox(1, 600), u"txtShowInfoDelay"_s);
    addDelayRow(grid, form.showInTurn, form.showInfoDelay,
                QCoreApplication::translate("OptionsPages", "秒ごと(&I)"));
    addRow(grid,
           form.showDefaultMessage = check(
               u"chkShowDefaultMSG"_s,
               QCoreApplication::translate("OptionsPages", "情報がない場合、固定メッセージを表示する(&D)")));
    return group;
}

// One sound row: the file box, "..." to browse for a file and "テスト" to play it. The controls are
// named by the row's place, 0 to 3.
SoundRow addSoundRow(QGridLayout* grid, int index, const QString& caption = {}) {
    const QString number = QString::number(index);
    SoundRow sound;
    sound.file = named(new QLineEdit, u"txtSoundFile"_s + number);
    if (!caption.isEmpty())
        grid->addWidget(buddyLabel(caption, sound.file), grid->rowCount(), 1, 1, 3);
    const int row = grid->rowCount();
    grid->addWidget(sound.file, row, 1);
    sound.browse = named(new QToolButton, u"cmdBrowseSoundFile"_s + number);
    sound.browse->setText(u"..."_s);
    grid->addWidget(sound.browse, row, 2);
    sound.test = button(u"cmdTestSound"_s + number, QCoreApplication::translate("OptionsPages", "テスト"));
    grid->addWidget(sound.test, row, 3);
    return sound;
}

} // namespace

namespace OptionsPages {

QWidget* general(OptionsForm& form) {
    return stackedPage({updateGroup(form), showGroup(form)});
}

QWidget* extraction(OptionsForm& form) {
    QGridLayout* grid = nullptr;
    QGroupBox* extraction = headedGroup(QCoreApplication::translate("OptionsPages", "情報の抽出"), grid);
    form.rules = button(u"cmdFilter"_s, QCoreApplication::translate("OptionsPages", "詳細設定(&D)..."));
    addButtonRow(
        grid,
        QCoreApplication::translate("OptionsPages", "取得したページから特定の部分を抽出して表示します。"),
        form.rules);
    addRow(grid, form.ignoreExclusions =
                     check(u"chkIgnoreExcept"_s,
                           QCoreApplication::translate("OptionsPages", "除外条件を無効化する(&E)")));
    addRow(grid, form.wholeTextInstead = check(
                     u"chkShowTextInstead"_s,
                     QCoreApplication::translate("OptionsPages", "抽出できないページは全文を表示する(&B)")));

    QGroupBox* display = headedGroup(QCoreApplication::translate("OptionsPages", "情報の表示"), grid);
    form.keywords =
        button(u"cmdKeywords"_s, QCoreApplication::translate("OptionsPages", "キーワード(&W)..."));
    addButtonRow(grid, QCoreApplication::translate("OptionsPages", "指定したキーワードを赤色で表示します。"),
                 form.keywords);
    addRow(grid, form.showLabel = check(
                     u"chkShowTitle"_s,
                     QCoreApplication::translate("OptionsPages", "ページのラベルを橙色で表示する(&H)")));
    addRow(grid, form.showRuleName = check(
                     u"chkShowFilter"_s, QCoreApplication::translate(
                                             "OptionsPages", "適用された抽出ルール名を緑色で表示する(&R)")));
    addRow(grid,
           form.allOrange = check(u"chkScroll_MonoColor"_s,
                                  QCoreApplication::translate("OptionsPages", "すべて橙色で表示する(&O)")));
    addRow(grid,
           form.lessFlicker = check(u"chkScroll_Shadow"_s,
                                    QCoreApplication::translate("OptionsPages", "ちらつきを低減する(&S)")));
    form.font = button(u"cmdFont"_s, QCoreApplication::translate("OptionsPages", "フォント(&F)..."));
    addButtonRow(grid, QCoreApplication::translate("OptionsPages", "情報の表示に使うフォントを変更します。"),
                 form.font);
    return stackedPage({extraction, display});
}

QWidget* network(OptionsForm& form) {
    QGridLayout* grid = nullptr;
    QGroupBox* configuration = headedGroup(QCoreApplication::translate("OptionsPages", "構成"), grid);
    form.proxy =
        button(u"cmdProxy"_s, QCoreApplication::translate("OptionsPages", "プロキシ サーバー(&X)..."));
    addButtonRow(
        grid,
        QCoreApplication::translate("OptionsPages", "アクセスに使用するプロキシ サーバーを設定できます。"),
        form.proxy);
    QGroupBox* dialUp = headedGroup(QCoreApplication::translate("OptionsPages", "ダイヤルアップ"), grid);
    addRow(grid, form.autoDialing =
                     check(u"chkAutoDialing"_s,
                           QCoreApplication::translate("OptionsPages",
                                                       "インターネットに接続していない場合は接続する(&A)")));
    addRow(grid, form.autoHangup = check(
                     u"chkAutoHangup"_s,
                     QCoreApplication::translate("OptionsPages", "ダウンロードが終了したら切断する(&D)")));
    return stackedPage({configuration, dialUp});
}

QWidget* sound(OptionsForm& form) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(0, subItemIndent());
    form.updateSoundOn =
        check(u"chkPlaySound1"_s, QCoreApplication::translate("OptionsPages", "更新時に音を鳴らす(&D)"));
    grid->addWidget(form.updateSoundOn, 0, 0, 1, 4);
    form.updateSound = addSoundRow(grid, 0);
    form.itemSoundOn =
        check(u"chkPlaySound2"_s, QCoreApplication::translate("OptionsPages", "情報表示時に音を鳴らす(&S)"));
    grid->addWidget(form.itemSoundOn, grid->rowCount(), 0, 1, 4);
    form.keywordSound =
        addSoundRow(grid, 1, QCoreApplication::translate("OptionsPages", "キーワードが含まれる場合(&K):"));
    form.plainSound =
        addSoundRow(grid, 2, QCoreApplication::translate("OptionsPages", "キーワードが含まれない場合(&N):"));
    form.noMatchSound =
        addSoundRow(grid, 3, QCoreApplication::translate("OptionsPages", "抽出できない場合(&I):"));
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QWidget* other(OptionsForm& form) {
    QGridLayout* grid = nullptr;
    QGroupBox* window = headedGroup(QCoreApplication::translate("OptionsPages", "ウィンドウ"), grid);
    addRow(grid, form.nextOnClick =
                     check(u"chkShowInfoByClick"_s,
                           QCoreApplication::translate("OptionsPages",
                                                       "ウィンドウの左クリックで次の情報を表示する(&C)")));
    addRow(grid, form.taskbarEntry =
                     check(u"chkShowInTaskBar"_s,
                           QCoreApplication::translate("OptionsPages", "タスクバーに情報を表示する(&B)")));
    addRow(grid,
           form.keepPosition = check(
               u"chkFixWindowPosition"_s,
               QCoreApplication::translate("OptionsPages", "終了時と同じ位置にウィンドウを表示する(&P)")));
    addRow(grid, form.topMost = check(u"chkTopMost"_s,
                                      QCoreApplication::translate("OptionsPages", "常に手前に表示する(&T)")));
    addRow(grid,
           form.exitOnDoubleClick = check(
               u"chkShutdownByDblclick"_s,
               QCoreApplication::translate("OptionsPages", "ウィンドウのダブルクリックで終了する(&D)")));
    form.zoom = named(new QSpinBox, u"txtZoom"_s);
    form.zoom->setRange(1, 4);
    const int row = grid->rowCount();
    grid->addWidget(buddyLabel(QCoreApplication::translate("OptionsPages", "表示倍率(&Z):"), form.zoom), row,
                    0);
    grid->addWidget(form.zoom, row, 1);
    QGroupBox* startup = headedGroup(QCoreApplication::translate("OptionsPages", "起動"), grid);
    addRow(grid, form.runAtLogon = check(
                     u"chkAutoRun"_s,
                     QCoreApplication::translate("OptionsPages", "ログオン時に Sorvanta を実行する(&R)")));
    QGroupBox* news = headedGroup(QCoreApplication::translate("OptionsPages", "通知"), grid);
    addRow(grid, form.notifyNewKeyword =
                     check(u"chkNotifyNewKeyword"_s,
                           QCoreApplication::translate("OptionsPages", "新着のキーワードを通知する(&N)")));
    return stackedPage({window, startup, news});
}

} // namespace OptionsPages
