#include "settings/ui/OptionsPages.h"

#include "settings/ui/DelayBox.h"

#include <QApplication>
#include <QCheckBox>
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

template <typename Control> Control* Named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

QCheckBox* Check(const QString& name, const QString& caption) {
    return Named(new QCheckBox(caption), name);
}

QPushButton* Button(const QString& name, const QString& caption) {
    return Named(new QPushButton(caption), name);
}

// A caption whose access key moves to buddy.
QLabel* BuddyLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

// How far a control that belongs to a check box stands in: under the check box's caption.
int SubItemIndent() {
    const QStyle* style = QApplication::style();
    return style->pixelMetric(QStyle::PM_IndicatorWidth) +
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
}

QSpinBox* HourBox(const QString& name) {
    auto* box = Named(new QSpinBox, name);
    box->setRange(0, 23);
    return box;
}

// A page of headed groups, stacked from the top.
QWidget* Page(std::initializer_list<QGroupBox*> groups) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (QGroupBox* group : groups)
        layout->addWidget(group);
    layout->addStretch();
    return page;
}

// A headed group whose rows are a grid; the last column takes the spare width.
QGroupBox* Group(const QString& heading, QGridLayout*& grid) {
    auto* group = new QGroupBox(heading);
    grid = new QGridLayout(group);
    grid->setColumnStretch(5, 1);
    return group;
}

void AddRow(QGridLayout* grid, QWidget* control) {
    grid->addWidget(control, grid->rowCount(), 0, 1, 6);
}

// A check box with a number box and its unit after it.
void AddDelayRow(QGridLayout* grid, QCheckBox* check, QSpinBox* box, const QString& unit) {
    const int row = grid->rowCount();
    grid->addWidget(check, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(BuddyLabel(unit, box), row, 2);
}

// A text explaining what the button beside it opens.
void AddButtonRow(QGridLayout* grid, const QString& text, QPushButton* button) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(text), row, 0, 1, 5);
    grid->addWidget(button, row, 5, Qt::AlignRight | Qt::AlignVCenter);
}

QGroupBox* UpdateGroup(OptionsForm& form) {
    QGridLayout* grid = nullptr;
    QGroupBox* group = Group(u"更新"_s, grid);
    form.autoReload = Check(u"chkAutoReload"_s, u"定期的に更新する(&C)"_s);
    form.autoReloadDelay = Named(new DelayBox(1, 60), u"txtAutoReloadDelay"_s);
    AddDelayRow(grid, form.autoReload, form.autoReloadDelay, u"分ごと(&T)"_s);
    // The quiet hours belong to the periodic update: indented under it.
    auto* quiet = new QHBoxLayout;
    quiet->addSpacing(SubItemIndent());
    form.quietHours = Check(u"chkAutoReloadOff"_s, u"次の時間帯は更新しない(&F)"_s);
    quiet->addWidget(form.quietHours);
    const int row = grid->rowCount();
    grid->addLayout(quiet, row, 0);
    form.quietFrom = HourBox(u"txtAutoReloadOffFrom"_s);
    form.quietTo = HourBox(u"txtAutoReloadOffTo"_s);
    grid->addWidget(form.quietFrom, row, 1);
    grid->addWidget(BuddyLabel(u"時 から(&R)"_s, form.quietFrom), row, 2);
    grid->addWidget(form.quietTo, row, 3);
    grid->addWidget(BuddyLabel(u"時 まで(&T)"_s, form.quietTo), row, 4);
    AddRow(grid, form.loadAtFirst = Check(u"chkLoadAtFirst"_s, u"起動時に更新する(&S)"_s));
    AddRow(grid, form.showProgress = Check(u"chkShowProgressDialog"_s, u"進捗を表示する(&P)"_s));
    AddRow(grid, form.hideErrors = Check(u"chkHideErrorDialog"_s, u"エラーを通知しない(&E)"_s));
    return group;
}

QGroupBox* ShowGroup(OptionsForm& form) {
    QGridLayout* grid = nullptr;
    QGroupBox* group = Group(u"表示"_s, grid);
    AddRow(grid, form.showOnUpdate = Check(u"chkNotify"_s, u"更新時に表示する(&N)"_s));
    form.showInTurn = Check(u"chkShowInfo"_s, u"定期的に情報を表示する(&H)"_s);
    form.showInfoDelay = Named(new DelayBox(1, 600), u"txtShowInfoDelay"_s);
    AddDelayRow(grid, form.showInTurn, form.showInfoDelay, u"秒ごと(&I)"_s);
    AddRow(grid, form.showDefaultMessage =
                     Check(u"chkShowDefaultMSG"_s, u"情報がない場合、固定メッセージを表示する(&D)"_s));
    return group;
}

// One sound row: the file box, "..." to browse for a file and "テスト" to play it. The controls are
// named by the row's place, 0 to 3.
SoundRow AddSoundRow(QGridLayout* grid, int index, const QString& caption = {}) {
    const QString number = QString::number(index);
    SoundRow sound;
    sound.file = Named(new QLineEdit, u"txtSoundFile"_s + number);
    if (!caption.isEmpty())
        grid->addWidget(BuddyLabel(caption, sound.file), grid->rowCount(), 1, 1, 3);
    const int row = grid->rowCount();
    grid->addWidget(sound.file, row, 1);
    sound.browse = Named(new QToolButton, u"cmdBrowseSoundFile"_s + number);
    sound.browse->setText(u"..."_s);
    grid->addWidget(sound.browse, row, 2);
    sound.test = Button(u"cmdTestSound"_s + number, u"テスト"_s);
    grid->addWidget(sound.test, row, 3);
    return sound;
}

} // namespace

namespace OptionsPages {

QWidget* General(OptionsForm& form) {
    return Page({UpdateGroup(form), ShowGroup(form)});
}

QWidget* Extraction(OptionsForm& form) {
    QGridLayout* grid = nullptr;
    QGroupBox* extraction = Group(u"情報の抽出"_s, grid);
    form.rules = Button(u"cmdFilter"_s, u"詳細設定(&D)..."_s);
    AddButtonRow(grid, u"取得したページから特定の部分を抽出して表示します。"_s, form.rules);
    AddRow(grid, form.ignoreExclusions = Check(u"chkIgnoreExcept"_s, u"除外条件を無効化する(&E)"_s));
    AddRow(grid, form.wholeTextInstead =
                     Check(u"chkShowTextInstead"_s, u"抽出できないページは全文を表示する(&B)"_s));

    QGroupBox* display = Group(u"情報の表示"_s, grid);
    form.keywords = Button(u"cmdKeywords"_s, u"キーワード(&W)..."_s);
    AddButtonRow(grid, u"指定したキーワードを赤色で表示します。"_s, form.keywords);
    AddRow(grid, form.showLabel = Check(u"chkShowTitle"_s, u"ページのラベルを橙色で表示する(&H)"_s));
    AddRow(grid,
           form.showRuleName = Check(u"chkShowFilter"_s, u"適用された抽出ルール名を緑色で表示する(&R)"_s));
    AddRow(grid, form.allOrange = Check(u"chkScroll_MonoColor"_s, u"すべて橙色で表示する(&O)"_s));
    AddRow(grid, form.lessFlicker = Check(u"chkScroll_Shadow"_s, u"ちらつきを低減する(&S)"_s));
    form.font = Button(u"cmdFont"_s, u"フォント(&F)..."_s);
    AddButtonRow(grid, u"情報の表示に使うフォントを変更します。"_s, form.font);
    return Page({extraction, display});
}

QWidget* Network(OptionsForm& form) {
    QGridLayout* grid = nullptr;
    QGroupBox* configuration = Group(u"構成"_s, grid);
    form.proxy = Button(u"cmdProxy"_s, u"プロキシ サーバー(&X)..."_s);
    AddButtonRow(grid, u"アクセスに使用するプロキシ サーバーを設定できます。"_s, form.proxy);
    QGroupBox* dialUp = Group(u"ダイヤルアップ"_s, grid);
    AddRow(grid, form.autoDialing =
                     Check(u"chkAutoDialing"_s, u"インターネットに接続していない場合は接続する(&A)"_s));
    AddRow(grid, form.autoHangup = Check(u"chkAutoHangup"_s, u"ダウンロードが終了したら切断する(&D)"_s));
    return Page({configuration, dialUp});
}

QWidget* Sound(OptionsForm& form) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(0, SubItemIndent());
    form.updateSoundOn = Check(u"chkPlaySound1"_s, u"更新時に音を鳴らす(&D)"_s);
    grid->addWidget(form.updateSoundOn, 0, 0, 1, 4);
    form.updateSound = AddSoundRow(grid, 0);
    form.itemSoundOn = Check(u"chkPlaySound2"_s, u"情報表示時に音を鳴らす(&S)"_s);
    grid->addWidget(form.itemSoundOn, grid->rowCount(), 0, 1, 4);
    form.keywordSound = AddSoundRow(grid, 1, u"キーワードが含まれる場合(&K):"_s);
    form.plainSound = AddSoundRow(grid, 2, u"キーワードが含まれない場合(&N):"_s);
    form.noMatchSound = AddSoundRow(grid, 3, u"抽出できない場合(&I):"_s);
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QWidget* Other(OptionsForm& form) {
    QGridLayout* grid = nullptr;
    QGroupBox* window = Group(u"ウィンドウ"_s, grid);
    AddRow(grid, form.nextOnClick =
                     Check(u"chkShowInfoByClick"_s, u"ウィンドウの左クリックで次の情報を表示する(&C)"_s));
    AddRow(grid, form.taskbarEntry = Check(u"chkShowInTaskBar"_s, u"タスクバーに情報を表示する(&B)"_s));
    AddRow(grid, form.keepPosition =
                     Check(u"chkFixWindowPosition"_s, u"終了時と同じ位置にウィンドウを表示する(&P)"_s));
    AddRow(grid, form.topMost = Check(u"chkTopMost"_s, u"常に手前に表示する(&T)"_s));
    AddRow(grid, form.exitOnDoubleClick =
                     Check(u"chkShutdownByDblclick"_s, u"ウィンドウのダブルクリックで終了する(&D)"_s));
    form.zoom = Named(new QSpinBox, u"txtZoom"_s);
    form.zoom->setRange(1, 4);
    const int row = grid->rowCount();
    grid->addWidget(BuddyLabel(u"表示倍率(&Z):"_s, form.zoom), row, 0);
    grid->addWidget(form.zoom, row, 1);
    QGroupBox* startup = Group(u"起動"_s, grid);
    AddRow(grid, form.runAtLogon = Check(u"chkAutoRun"_s, u"ログオン時に Sorvanta を実行する(&R)"_s));
    return Page({window, startup});
}

} // namespace OptionsPages
