#include "retrieval/CycleTexts.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace CycleTexts {

QString EmptyPageError(const QString& url) {
    return u"エラー : \r\n"_s + url + u" が正常にダウンロードできませんでした。\r\n\r\n"_s;
}

QString FailedStepError(int number, const QString& description, const QString& url) {
    return u"エラー"_s + QString::number(number) + u" : "_s + description + u"\r\n"_s + url +
           u" が正常にダウンロードできませんでした。\r\n\r\n"_s;
}

QString BrokenPasswordError(const QString& url) {
    // Reported as error 5, with the text users know for it.
    return FailedStepError(5, u"プロシージャの呼び出し、または引数が不正です。"_s, url);
}

QString NoInformation() {
    return u"情報はありません"_s;
}

QString NothingExtracted() {
    return u"抽出された情報はありません"_s;
}

QString ItemCount(int count) {
    return QString::number(count) + u"件の情報があります"_s;
}

QString Cancelled() {
    return u"ダウンロードを中止しました。"_s;
}

QString Completed() {
    return u"ダウンロードは完了しました。"_s;
}

QString Offline() {
    return u"インターネットに接続されていません。\r\n\r\n情報のダウンロードはできません。"_s;
}

QString Updating(const QString& name) {
    return u"'"_s + name + u"' を更新中"_s;
}

QString Progress(int page, int pages) {
    return QString::number(page) + u" / "_s + QString::number(pages);
}

QString ByteCount(qint64 count) {
    return QLocale(QLocale::English).toString(count) + u" バイト"_s;
}

} // namespace CycleTexts
