#pragma once

#include "retrieval/PageDecoder.h"
#include "retrieval/PageFetcher.h"
#include "retrieval/PageStatus.h"

#include <QString>

// The texts the update cycle shows and logs. Every error block ends in CR LF CR LF.
namespace CycleTexts {

// Error block for what went wrong with a download, or nothing. Authentication failures and an
// unreadable proxy password are always told; a failed connection, an address that cannot be
// opened, a 404 and an oversized page only unless hideErrorDialog; other statuses and a stopped
// download never (the page then counts as not downloaded).
QString DownloadError(const FetchResult& result, const FetchRequest& request, bool hideErrorDialog);
// Reason text of an HTTP status for error blocks; "(不明なエラー)" for unlisted codes.
QString HttpStatusText(int status);

// Error block for a page whose text did not arrive: "エラー : " CR LF URL " が正常に…" CR LF CR LF.
QString EmptyPageError(const QString& url);
// Error block for a step that failed outright, with its number and description.
QString FailedStepError(int number, const QString& description, const QString& url);
// The stored page password could not be restored.
QString BrokenPasswordError(const QString& url);

QString NoInformation();                          // "情報はありません"
QString NothingExtracted();                       // "抽出された情報はありません"
QString ItemCount(int count);                     // N + "件の情報があります"
QString Cancelled();                              // "ダウンロードを中止しました。"
QString Completed();                              // "ダウンロードは完了しました。"
QString Offline();                                // the message box text when there is no connection
QString Updating(const QString& name);            // "'" name "' を更新中"
QString Progress(int page, int pages);            // "k / n"
QString ByteCount(qint64 count);                  // "1,234 バイト"
QString PageStatusText(const PageStatus& status); // "3件", "該当なし" or "エラー"
// The encoding a page was read in and where it came from: "windows-1252（HTTP ヘッダー）".
QString EncodingUsed(const EncodingChoice& choice);

} // namespace CycleTexts
