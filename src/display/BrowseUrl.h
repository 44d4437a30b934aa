#pragma once

#include "retrieval/DataSet.h"
#include "retrieval/InfoItem.h"

#include <QString>
#include <functional>

// The user's answer to the question whether to open another address.
enum class BrowseAnswer { Yes, No, Cancel };
// Puts a question with a warning icon and Yes/No/Cancel buttons to the user.
using BrowseQuestion = std::function<BrowseAnswer(const QString& title, const QString& text)>;

// Where an item leads: its own link, else its page's address when that is a web address; "" for the
// default message.
QString itemAddress(const InfoItem& item, const QList<PageRecord>& pages);

// Only web addresses are ever handed to the desktop to open: http or https with a host.
bool isBrowsableUrl(const QString& url);

// The address to open for a page of the browse menu, or "" for none. When the path's extension
// is one of nonHtmlExtensions (comma-separated, compared exactly), the user is asked whether to
// open the site's root instead (Yes), the address as it is (No), or nothing (Cancel).
QString checkBrowseUrl(const QString& url, const QString& nonHtmlExtensions, const BrowseQuestion& ask);
