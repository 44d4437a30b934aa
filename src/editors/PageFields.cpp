#include "editors/PageFields.h"

#include "settings/PasswordScrambler.h"

using namespace Qt::StringLiterals;

namespace {

bool KeepsStoredPassword(const PageFields& fields, const PageRecord& original) {
    return !fields.password.isEmpty() && DecryptPassword(original.Password) == fields.password;
}

} // namespace

bool IsFetchableUrl(const QString& url) {
    return url.startsWith(u"http://"_s) || url.startsWith(u"https://"_s);
}

QString BadUrlMessage() {
    return u"URL が正しく入力されていません。\r\n「http://」もしくは「https://」から入力してください。"_s;
}

PageFields FieldsOf(const PageRecord& page) {
    return {page.Name,  page.URL,      page.Enabled,
            page.Label, page.UserName, DecryptPassword(page.Password).value_or(QString())};
}

PageFieldsProblem CheckFields(const PageFields& fields, const PageRecord& original) {
    if (!IsFetchableUrl(fields.url))
        return PageFieldsProblem::Url;
    if (!KeepsStoredPassword(fields, original) && !PasswordSurvivesScrambling(fields.password))
        return PageFieldsProblem::Password;
    return PageFieldsProblem::None;
}

PageRecord RecordOf(const PageFields& fields, const PageRecord& original) {
    QString password;
    if (KeepsStoredPassword(fields, original))
        password = original.Password;
    else if (!fields.password.isEmpty())
        password = EncryptPassword(fields.password);
    return {fields.enabled, fields.url, fields.name, fields.label, fields.userName, password};
}
