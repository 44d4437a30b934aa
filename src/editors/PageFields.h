#pragma once

#include "retrieval/DataSet.h"

#include <QCoreApplication>
#include <QString>

// The boxes of the page edit dialog, with the password in plain text. The defaults are those of a
// new page.
struct PageFields {
    QString name = QCoreApplication::translate("PageFields", "新しいページ");
    QString url = QStringLiteral("http://");
    bool enabled = true;
    QString label;
    QString userName;
    QString password;

    bool operator==(const PageFields&) const = default;
};

// Only "http://" and "https://" in small letters open an address that can be fetched.
bool isFetchableUrl(const QString& url);
QString badUrlMessage(); // the "エラー" message for an address that fails isFetchableUrl

// The boxes filled from a stored page. A stored password that cannot be restored shows empty.
PageFields fieldsOf(const PageRecord& page);

// What stands in the way of storing the fields over original (a new page: a default record).
enum class PageFieldsProblem { None, Url, Password };
PageFieldsProblem checkFields(const PageFields& fields, const PageRecord& original);

// The record the fields make. An empty password is stored empty; the original's password is kept
// as it was stored while the box still shows it, otherwise the box is scrambled afresh.
PageRecord recordOf(const PageFields& fields, const PageRecord& original);
