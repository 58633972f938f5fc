#include "deviceinstance/dialogs/TListSort.h"

#include "platform/dialogs/TModalDialog.h"
#include "platform/log/Log.h"

#include <QTreeWidget>

#include <algorithm>

void TListSort::Klick(int column) {
    LOG_FKT("TListSort::Klick");
    Ascending = column == Column ? !Ascending : true;
    Column = column;
}

void TListSort::SetzeUeberschriften(QTreeWidget *list,
                                    const std::vector<AnsiString> &captions) const {
    LOG_FKT("TListSort::SetzeUeberschriften");
    QStringList texts;
    for (size_t i = 0; i < captions.size(); ++i)
        texts << QtText(static_cast<int>(i) == Column ? captions[i] + " *" : captions[i]);
    list->setHeaderLabels(texts);
}

void TListSort::Sortiere(QTreeWidget *list, const TLess &less) const {
    LOG_FKT("TListSort::Sortiere");
    QTreeWidgetItem *current = list->currentItem();
    std::vector<QTreeWidgetItem *> rows;
    std::vector<QTreeWidgetItem *> selected;
    while (list->topLevelItemCount() > 0) {
        QTreeWidgetItem *row = list->topLevelItem(0);
        if (row->isSelected())
            selected.push_back(row);
        rows.push_back(list->takeTopLevelItem(0));
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const auto *a, const auto *b) {
        return Ascending ? less(a, b) : less(b, a);
    });
    for (QTreeWidgetItem *row : rows)
        list->addTopLevelItem(row);
    if (current)
        list->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem *row : selected)
        row->setSelected(true);
}
