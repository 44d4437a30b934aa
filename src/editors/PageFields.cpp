#include "editors/PageFields.h"

#include "settings/PasswordScrambler.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

bool keepsStoredPassword(const PageFields& fields, const PageRecord& original) {
    return !fields.password.isEmpty() && decryptPassword(original.Password) == fields.password;
}

} // namespace

bool isFetchableUrl(const QString& url) {
    return url.startsWith(u"http://"_s) || url.startsWith(u"https://"_s);
}

QString badUrlMessage() {
    return QCoreApplication::translate(
        "PageFields",
        "URL が正しく入力されていません。\r\n「http://」もしくは「https://」から入力してください。");
}

PageFields fieldsOf(const PageRecord& page) {
    return {page.Name,  page.URL,      page.Enabled,
            page.Label, page.UserName, decryptPassword(page.Password).value_or(QString())};
}

PageFieldsProblem checkFields(const PageFields& fields, const PageRecord& original) {
    if (!isFetchableUrl(fields.url))
        return PageFieldsProblem::Url;
    if (!keepsStoredPassword(fields, original) && !passwordSurvivesScrambling(fields.password))
        return PageFieldsProblem::Password;
    return PageFieldsProblem::None;
}

PageRecord recordOf(const PageFields& fields, const PageRecord& original) {
    QString password;
    if (keepsStoredPassword(fields, original))
        password = original.Password;
    else if (!fields.password.isEmpty())
        password = encryptPassword(fields.password);
    return {fields.enabled, fields.url, fields.name, fields.label, fields.userName, password};
}
