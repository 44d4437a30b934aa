#pragma once

#include "retrieval/PageError.h"

// What the last update got from one page: its items, nothing that a rule matched, or an error.
// Items counts every item the page gave, whatever made it (a rule, a feed entry, the whole-page
// text), and wins over an error: a page that gave items despite an error is Items. Error is a
// page with an error and no items, whether or not the error log shows it; NoMatch a page fetched
// without error that gave none.
struct PageStatus {
    enum class Kind { Items, NoMatch, Error };

    Kind kind = Kind::NoMatch;
    int itemCount = 0;
    PageError error; // Error only: the first thing that went wrong

    bool operator==(const PageStatus&) const = default;
};
