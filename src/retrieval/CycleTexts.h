#pragma once

#include "retrieval/PageDecoder.h"
#include "retrieval/PageError.h"
#include "retrieval/PageStatus.h"

#include <QString>

// The texts the update cycle shows and logs. Every error block ends in CR LF CR LF.
namespace CycleTexts {

// The error log's block for one thing that went wrong with a page, or nothing. Authentication
// failures and passwords that cannot be restored are always told; a failed connection, an address
// that cannot be opened, a download too slow or too long, a 404, a server still busy (429, 503)
// and an oversized page only unless hideErrorDialog; other statuses
// never (the empty page that follows them tells of the page).
QString errorBlock(const PageError& error, bool hideErrorDialog);
// The blocks of a page's errors, in the order they arose.
QString errorBlocks(const QList<PageError>& errors, bool hideErrorDialog);
// The page's status line for an error: the first line of its block (a bare "エラー :" heading
// joined to the line after it), and for an HTTP status without a block "エラー :500 " and its
// reason. Never hidden.
QString errorLine(const PageError& error);
// Why the page could not be read, in plain words ("接続を拒否されました", "HTTP 500 Internal Server
// Error", ...), or "" when the error's own lines say all there is.
QString cause(const PageError& error);
// The status line with the cause below it, for tooltips: what errorLine says and why.
QString errorDetail(const PageError& error);
// Reason text of an HTTP status for error blocks; "(不明なエラー)" for unlisted codes.
QString httpStatusText(int status);

QString noInformation();                           // "情報はありません"
QString nothingExtracted();                        // "抽出された情報はありません"
QString itemCount(int count);                      // N + "件の情報があります"
QString cancelled();                               // "ダウンロードを中止しました。"
QString completed();                               // "ダウンロードは完了しました。"
QString finalProgress(int pages, int failedPages); // "2 / 2", then " (エラー 1 件)" when pages failed
QString withFailedPages(const QString& status, int failedPages); // status + "。1 ページでエラー"
QString finalProgress(int pages, int failedPages); // "2 / 2", then " (エラー 1 件)" when pages failed
QString withFailedPages(const QString& status, int failedPages); // status + "。1 ページでエラー"
QString offline();                                // the message box text when there is no connection
QString updating(const QString& name);            // "'" name "' を更新中"
QString progress(int page, int pages);            // "k / n"
QString byteCount(qint64 count);                  // "1,234 バイト"
QString pageStatusText(const PageStatus& status); // "3件", "該当なし" or "エラー"
// The encoding a page was read in and where it came from: "windows-1252（HTTP ヘッダー）".
QString encodingUsed(const EncodingChoice& choice);
// The same in Japanese whatever the language shown, as the run log keeps it.
QString encodingLogged(const EncodingChoice& choice);

} // namespace CycleTexts
