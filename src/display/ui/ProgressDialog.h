#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The progress dialog: the progress of a running update, its error log, cancel and "do not show".
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ProgressDialog)

    // A fresh dialog for a new cycle: empty log, normal size, cancel enabled.
    void reset(int pageCount);
    void setStatus(const QString& text);
    void setProgressText(const QString& text); // "k / n" and what follows
    void setPage(int position, int pageCount, const QString& name);
    void setDownloadTotal(qint64 characters);
    void setHandled(int handledCount);
    void appendError(const QString& text);
    // The first error of a cycle makes room for the error log.
    void enlarge();
    void disableCancel();

signals:
    void cancelRequested();
    void hideRequested();

private:
    void clearProgress(int pageCount);

    QLabel* m_status;
    QLabel* m_progress;
    QProgressBar* m_bar;
    QLabel* m_bytes;
    QPlainTextEdit* m_errors;
    QPushButton* m_hide;
    QPushButton* m_cancel;
};
