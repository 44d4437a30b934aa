#include "display/ui/ProgressDialog.h"

#include "retrieval/CycleTexts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// Enlarged, the dialog shows the error log in 297 pixels.
constexpr int EnlargedHeight = 297;
} // namespace

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent)
    , m_status(new QLabel(this))
    , m_progress(new QLabel(this))
    , m_bar(new QProgressBar(this))
    , m_bytes(new QLabel(CycleTexts::byteCount(0), this))
    , m_errors(new QPlainTextEdit(this))
    , m_hide(new QPushButton(tr("表示しない(&H)"), this))
    , m_cancel(new QPushButton(tr("キャンセル"), this)) {
    setObjectName(u"frmStatus"_s);
    setWindowTitle(u"Sorvanta"_s);
    m_status->setObjectName(u"lblStatus"_s);
    m_progress->setObjectName(u"lblProgress"_s);
    m_bar->setObjectName(u"pgbDownload"_s);
    m_bytes->setObjectName(u"lblBytes"_s);
    m_errors->setObjectName(u"txtError"_s);
    m_hide->setObjectName(u"cmdHide"_s);
    m_cancel->setObjectName(u"cmdCancel"_s);
    m_errors->setReadOnly(true);
    m_bar->setTextVisible(false);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(u"TabStrip1"_s);
    auto* inner = new QVBoxLayout(frame);
    auto* pageLine = new QHBoxLayout;
    pageLine->addWidget(m_status, 1);
    pageLine->addWidget(m_progress);
    inner->addLayout(pageLine);
    inner->addWidget(m_bar);
    inner->addWidget(m_bytes);
    inner->addWidget(m_errors, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_hide);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);

    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_cancel->setEnabled(false);
        emit cancelRequested();
    });
    connect(m_hide, &QPushButton::clicked, this, [this] {
        hide();
        emit hideRequested();
    });
    // Sized at the first update, not here: measuring its Japanese texts would load a font at start for
    // a dialog that is not shown before then.
    clearProgress(0);
}

void ProgressDialog::reset(int pageCount) {
    clearProgress(pageCount);
    setMinimumHeight(0);
    adjustSize();
}

void ProgressDialog::clearProgress(int pageCount) {
    m_status->clear();
    m_progress->clear();
    m_bar->setRange(0, qMax(pageCount, 1));
    m_bar->setValue(0);
    m_bytes->setText(CycleTexts::byteCount(0));
    m_errors->clear();
    m_errors->hide();
    m_cancel->setEnabled(true);
}

void ProgressDialog::setStatus(const QString& text) {
    m_status->setText(text);
}

void ProgressDialog::setProgressText(const QString& text) {
    m_progress->setText(text);
}

void ProgressDialog::setPage(int position, int pageCount, const QString& name) {
    m_status->setText(CycleTexts::updating(name));
    m_progress->setText(CycleTexts::progress(position, pageCount));
}

void ProgressDialog::setDownloadTotal(qint64 characters) {
    m_bytes->setText(CycleTexts::byteCount(characters));
}

void ProgressDialog::setHandled(int handledCount) {
    m_bar->setValue(handledCount);
}

void ProgressDialog::appendError(const QString& text) {
    // Appended at the end without re-setting the whole log, which grows with every failing page.
    QTextCursor end(m_errors->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QString(text).remove(u'\r'));
}

void ProgressDialog::enlarge() {
    m_errors->show();
    setMinimumHeight(EnlargedHeight);
    resize(width(), EnlargedHeight);
}

void ProgressDialog::disableCancel() {
    m_cancel->setEnabled(false);
}
