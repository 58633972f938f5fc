// The sort order of a dialog's list: the sorted column and its direction. A click on the
// sorted column reverses the direction, a click on another column sorts by it ascending; the
// sorted column's caption carries " *". Sorting is stable on a strict less-than, so rows that
// compare equal keep their order (descending reverses the comparison, not the rows).
#pragma once

#include "platform/vcl/AnsiString.h"

#include <functional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

class TListSort {
public:
    using TLess = std::function<bool(const QTreeWidgetItem *a, const QTreeWidgetItem *b)>;

    void Klick(int column);
    // Every caption reset, the sorted one with " *".
    void SetzeUeberschriften(QTreeWidget *list, const std::vector<AnsiString> &captions) const;
    // The rows in order; selection and focus mark stay with their rows.
    void Sortiere(QTreeWidget *list, const TLess &less) const;

    int Column = 0;
    bool Ascending = true;
};
