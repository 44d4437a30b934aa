#include "editors/ListRows.h"

RowButtons buttonsFor(int selected, int count) {
    if (selected < 0 || selected >= count)
        return {};
    return {true, selected > 0, selected < count - 1};
}
