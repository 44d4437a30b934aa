#pragma once

#include <QList>
#include <QString>

// One item on show: the text and where it came from. page is the record number in the page list
// (0 for the default message); rule is the rule's record number, WholePageRule for a page's whole
// text, 0 for the default message and for a feed entry. link is the item's own address, an http or
// https one: the feed entry's, or the first link in the stretch a rule cut out; empty when it has none
// (it then leads to its page). isNew: the page's previous update did not have it.
struct InfoItem {
    static constexpr int WholePageRule = -1;

    QString text;
    int page = 0;
    int rule = 0;
    QString link;
    bool isNew = false;

    InfoItem() = default;
    InfoItem(QString itemText, int pageNumber, int ruleNumber, QString entryLink = {})
        : text(std::move(itemText))
        , page(pageNumber)
        , rule(ruleNumber)
        , link(std::move(entryLink)) {}

    bool operator==(const InfoItem&) const = default;
};

// Its fields move as plain bytes, so a growing list of them is reallocated, not copied.
Q_DECLARE_TYPEINFO(InfoItem, Q_RELOCATABLE_TYPE);

using InfoItems = QList<InfoItem>;
