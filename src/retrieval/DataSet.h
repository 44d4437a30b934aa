#pragma once

#include "retrieval/DataTable.h"

#include <QStringList>

// The three tables read from url.txt, filter.txt and keywords.txt.
struct DataSet {
    DataTable pages{PageField::Count};
    DataTable rules{RuleField::Count};
    QStringList keywords;

    bool operator==(const DataSet&) const = default;
};
