#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One line of url.txt: a page to fetch.
struct PageRecord {
    bool Enabled = false;
    QString URL;
    QString Name;     // menu caption and status texts
    QString Label;    // may stand in front of the page's items
    QString UserName; // HTTP authentication; empty = none
    QString Password; // in its scrambled form; empty = none

    // A blank line of the file: still a record, and it counts in the page numbers.
    bool isBlank() const {
        return !Enabled && URL.isEmpty() && Name.isEmpty() && Label.isEmpty() && UserName.isEmpty() &&
               Password.isEmpty();
    }
    bool operator==(const PageRecord&) const = default;
};

// One line of filter.txt: how to cut items out of a page.
struct RuleRecord {
    bool Enabled = false;
    QString Name;
    QString Header;         // a fragment starts behind it
    QString Footer;         // a fragment ends before it; empty means "<"
    QStringList Exclusions; // a fragment holding any of them is dropped; an empty word drops all

    bool isBlank() const {
        return !Enabled && Name.isEmpty() && Header.isEmpty() && Footer.isEmpty() && Exclusions.isEmpty();
    }
    bool operator==(const RuleRecord&) const = default;
};

// The three lists read from url.txt, filter.txt and keywords.txt, in file order.
struct DataSet {
    QList<PageRecord> pages;
    QList<RuleRecord> rules;
    QStringList keywords;

    bool operator==(const DataSet&) const = default;
};

// Items carry page and rule numbers counted from 1 in file order; a number outside the list (the
// default message's 0, or a list reloaded meanwhile) gives an empty record.
template <typename Record> Record numberedRecord(const QList<Record>& records, int number) {
    return records.value(number - 1);
}
