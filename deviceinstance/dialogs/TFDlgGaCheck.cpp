#include "deviceinstance/dialogs/TFDlgGaCheck.h"

#include "deviceinstance/TGrpAddrText.h"
#include "deviceinstance/dialogs/TFDlgGrpAddrChange.h"
#include "foundation/SprTexte.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <string>

namespace {
enum : int { kDataRole = Qt::UserRole, kImageRole };
const std::vector<AnsiString> &Ueberschriften() {
    static const std::vector<AnsiString> captions = {SprText(8000), "Soll-Adresse", "Typ",
                                                     "Status"};
    return captions;
}
const char *const kStatusText[] = {"Ok", "falscher Typ", "fehlt"};

// The rows' images by status, from the style.
QIcon Bild(int status) {
    static const QStyle::StandardPixmap kBilder[] = {
        QStyle::SP_DialogApplyButton, QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical};
    return QApplication::style()->standardIcon(kBilder[status]);
}

QString Tooltip(const AnsiString &text) {
    QString tip = QtText(text);
    tip.replace("\r\n", "\n");
    return tip;
}
} // namespace

TFDlgGaCheck::TFDlgGaCheck(QWidget *owner, std::vector<RecNewGroupAddr> &newAddresses,
                           std::map<int, TRecGroupAddrInfo> &wordMap, bool threeLevel,
                           const TObjektMap &mainGroups, const TObjektMap &midSubGroups)
    : TModalDialog(owner, 3), FNewAddresses(newAddresses), FWordMap(wordMap),
      FThreeLevel(threeLevel), FMainGroups(mainGroups), FMidSubGroups(midSubGroups) {
    LOG_FKT("TFDlgGaCheck::TFDlgGaCheck");
    setWindowTitle(QtText(Utf8ToAnsi("Gruppenadressen prüfen")));
    ListView = new QTreeWidget(this);
    ListView->setColumnCount(4);
    ListView->setRootIsDecorated(false);
    ListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView->header()->setSectionsClickable(true);
    ListView->setMinimumSize(460, 260);
    ButtonChange = new QPushButton(QtText(Utf8ToAnsi("&Adresse ändern")), this);
    ButtonOk = new QPushButton(QtText(SprText(9009)), this);
    ButtonCancel = new QPushButton(QtText(SprText(9007)), this);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(10);
    knoepfe->addWidget(ButtonChange);
    knoepfe->addStretch();
    knoepfe->addWidget(ButtonOk);
    knoepfe->addWidget(ButtonCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListView, 1);
    layout->addLayout(knoepfe);
    connect(ButtonChange, &QPushButton::clicked, this, [this] { EditGroupAddress(); });
    connect(ButtonOk, &QPushButton::clicked, this, [this] { ButtonOkClick(); });
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });
    connect(ListView, &QTreeWidget::itemDoubleClicked, this, [this] { EditGroupAddress(); });
    connect(ListView->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { ColumnClick(column); });
}

TFDlgGaCheck::~TFDlgGaCheck() {
    LOG_FKT("TFDlgGaCheck::~TFDlgGaCheck");
}

int TFDlgGaCheck::CheckGaConsistence(TDatenManager<TDatenStruktur> *store) {
    LOG_FKT("TFDlgGaCheck::CheckGaConsistence");
    if (!store)
        return 1;
    std::vector<TDatenStruktur> objekte;
    {
        const std::unique_ptr<TDatenManager<TDatenStruktur>> view(
            store->Filter("Typ", static_cast<int16_t>(806)));
        for (TDatenStruktur *r = view ? view->GetFirst() : nullptr; r; r = view->GetNext())
            objekte.push_back(*r);
    }
    for (const TDatenStruktur &objekt : objekte) {
        CheckAndSaveGroupAddr(FWordMap, objekt, objekt);
        const std::unique_ptr<TDatenManager<TDatenStruktur>> children(
            store->Filter("Parent", static_cast<int32_t>(objekt.Handle)));
        for (TDatenStruktur *r = children ? children->GetFirst() : nullptr; r;
             r = children->GetNext())
            CheckAndSaveGroupAddr(FWordMap, *r, objekt);
    }
    if (AbgleichStatusUsedGroupAddr(FWordMap, true))
        return 1;
    return ShowDialog();
}

void TFDlgGaCheck::CheckAndSaveGroupAddr(std::map<int, TRecGroupAddrInfo> &wordMap,
                                         const TDatenStruktur &record,
                                         const TDatenStruktur &owner) {
    LOG_FKT("TFDlgGaCheck::CheckAndSaveGroupAddr");
    const int word = record.Param15;
    if (word == 0)
        return;
    const AnsiString line = "Objekt" + std::to_string(owner.Param4) + ": " + owner.Name;
    const auto [it, neu] = wordMap.try_emplace(word);
    TRecGroupAddrInfo &info = it->second;
    if (!neu) {
        info.ObjekteText += "\r\n" + line;
        return;
    }
    info.IstWord = word;
    info.ObjTyp = owner.Param8;
    info.TypText = TGrpAddrText::GetObjTypText(owner.Param8);
    info.ObjekteText = Utf8ToAnsi("Im Gerät verknüpfte Objekte:") + "\r\n" + line;
    info.SollWord = 0;
}

int TFDlgGaCheck::KonvertEtsGAId(int word, int objectType, int &subGroupId) const {
    LOG_FKT("TFDlgGaCheck::KonvertEtsGAId");
    int status = StatusFehlt;
    for (const auto &[id, node] : FMidSubGroups) {
        const auto *sub = dynamic_cast<const TVumaGrpAdrSub *>(node.get());
        if (!sub || sub->GetGrpAddr() != word)
            continue;
        const int a = sub->GetSubAdrTyp();
        if (a + 1 != objectType && a != -1)
            return StatusFalscherTyp;
        subGroupId = sub->GetGroupId();
        status = StatusOk;
    }
    return status;
}

bool TFDlgGaCheck::AbgleichStatusUsedGroupAddr(std::map<int, TRecGroupAddrInfo> &wordMap,
                                               bool takeOver) {
    LOG_FKT("TFDlgGaCheck::AbgleichStatusUsedGroupAddr");
    bool alle = true;
    for (auto &[word, info] : wordMap) {
        // A wanted word is the address itself or one the user chose.
        if (info.SollWord == info.IstWord || info.SollWord != 0) {
            info.Status = StatusOk;
        } else {
            int id = 0;
            info.Status = KonvertEtsGAId(info.IstWord, info.ObjTyp, id);
            if (info.Status == StatusOk && takeOver)
                info.SollWord = info.IstWord;
        }
        info.StatusText = kStatusText[info.Status];
        alle = alle && info.Status == StatusOk;
    }
    return alle;
}

AnsiString TFDlgGaCheck::GrpAddrString(int word) const {
    LOG_FKT("TFDlgGaCheck::GrpAddrString");
    return TGrpAddrText::GrpAddrString(word, FThreeLevel);
}

int TFDlgGaCheck::ShowDialog() {
    LOG_FKT("TFDlgGaCheck::ShowDialog");
    InitListView();
    FillListView();
    return ShowModal();
}

void TFDlgGaCheck::InitListView() {
    LOG_FKT("TFDlgGaCheck::InitListView");
    FSort = TListSort();
    FSort.SetzeUeberschriften(ListView, Ueberschriften());
    ListView->setColumnWidth(0, 100);
    ListView->setColumnWidth(1, 100);
    ListView->setColumnWidth(2, 100);
    ListView->header()->setStretchLastSection(false);
    ListView->resizeColumnToContents(3);
    ListView->setColumnWidth(3, std::max(ListView->columnWidth(3), 100));
}

TRecGroupAddrInfo *TFDlgGaCheck::Copy(const QTreeWidgetItem *row) {
    LOG_FKT("TFDlgGaCheck::Copy");
    return row ? reinterpret_cast<TRecGroupAddrInfo *>(row->data(0, kDataRole).value<quintptr>())
               : nullptr;
}

const TRecGroupAddrInfo *TFDlgGaCheck::RowData(const QTreeWidgetItem *row) {
    LOG_FKT("TFDlgGaCheck::RowData");
    return Copy(row);
}

int TFDlgGaCheck::RowImage(const QTreeWidgetItem *row) {
    LOG_FKT("TFDlgGaCheck::RowImage");
    return row->data(0, kImageRole).toInt();
}

void TFDlgGaCheck::SetRow(QTreeWidgetItem *row, const TRecGroupAddrInfo &info) {
    LOG_FKT("TFDlgGaCheck::SetRow");
    TRecGroupAddrInfo *copy = Copy(row);
    if (copy) {
        *copy = info;
    } else {
        FRowData.push_back(std::make_unique<TRecGroupAddrInfo>(info));
        copy = FRowData.back().get();
        row->setData(0, kDataRole, QVariant::fromValue(reinterpret_cast<quintptr>(copy)));
    }
    row->setText(0, QtText(GrpAddrString(info.IstWord)));
    row->setText(1, QtText(GrpAddrString(info.SollWord)));
    row->setText(2, QtText(info.TypText));
    row->setText(3, QtText(info.StatusText));
    const int status = std::clamp(info.Status, 0, 2);
    row->setData(0, kImageRole, ImageOk + status);
    row->setIcon(3, Bild(status));
    for (int column = 0; column < 4; ++column)
        row->setToolTip(column, Tooltip(info.ObjekteText));
}

void TFDlgGaCheck::FillListView() {
    LOG_FKT("TFDlgGaCheck::FillListView");
    ListView->clear();
    FRowData.clear();
    for (const auto &[word, info] : FWordMap)
        SetRow(new QTreeWidgetItem(ListView), info);
    SortList();
    if (ListView->topLevelItemCount() > 0)
        ListView->setCurrentItem(ListView->topLevelItem(0));
}

void TFDlgGaCheck::SortList() {
    LOG_FKT("TFDlgGaCheck::SortList");
    FSort.Sortiere(ListView,
                   [column = FSort.Column](const QTreeWidgetItem *a, const QTreeWidgetItem *b) {
                       const TRecGroupAddrInfo *x = RowData(a);
                       const TRecGroupAddrInfo *y = RowData(b);
                       switch (column) {
                       case 1:
                           return x->SollWord < y->SollWord;
                       case 2:
                           return x->ObjTyp < y->ObjTyp;
                       case 3:
                           return x->Status < y->Status;
                       default:
                           return x->IstWord < y->IstWord;
                       }
                   });
}

void TFDlgGaCheck::ColumnClick(int column) {
    LOG_FKT("TFDlgGaCheck::ColumnClick");
    FSort.Klick(column);
    FSort.SetzeUeberschriften(ListView, Ueberschriften());
    SortList();
}

void TFDlgGaCheck::EditGroupAddress() {
    LOG_FKT("TFDlgGaCheck::EditGroupAddress");
    const QList<QTreeWidgetItem *> selected = ListView->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem *row = selected.front();
    const auto it = FWordMap.find(RowData(row)->IstWord);
    if (it == FWordMap.end())
        return;
    int word = it->second.SollWord;
    TFDlgGrpAddrChange dialog(this, word, FNewAddresses, FThreeLevel, FMainGroups, FMidSubGroups,
                              &it->second);
    if (dialog.ShowModal() != 1 || word == it->second.SollWord)
        return;
    it->second.SollWord = word;
    AbgleichStatusUsedGroupAddr(FWordMap, false);
    SetRow(row, it->second);
}

void TFDlgGaCheck::ButtonOkClick() {
    LOG_FKT("TFDlgGaCheck::ButtonOkClick");
    SetModalResult(1);
}

void TFDlgGaCheck::ButtonCancelClick() {
    LOG_FKT("TFDlgGaCheck::ButtonCancelClick");
    SetModalResult(3);
}
