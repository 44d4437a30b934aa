#pragma once

#include <QString>

// What the last update got from one page: its items, nothing that a rule matched, or an error.
struct PageStatus {
    enum class Kind { Items, NoMatch, Error };

    Kind kind = Kind::NoMatch;
    int itemCount = 0;
    QString error; // the first line of the page's error text

    bool operator==(const PageStatus&) const = default;
};
