#include "deviceinstance/dialogs/TDlgSelGrpAddr.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "deviceinstance/TGrpAddrText.h"
#include "deviceinstance/dialogs/DialogTexte.h"
#include "deviceinstance/dialogs/TDlgNewGrpAddrName.h"
#include "deviceinstance/dialogs/TGrpAddrKeyFilter.h"
#include "foundation/SprTexte.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/bustool/TEtsGruppenAdressen.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"
#include "platform/win/System.h"
#include "platform/win/WinHelp.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace {
constexpr int kEntryRole = Qt::UserRole;

// Names compared without their case, byte by byte as Windows-1252.
bool NameLess(const AnsiString &a, const AnsiString &b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(LowerCp1252(x)) <
               static_cast<unsigned char>(LowerCp1252(y));
    });
}

std::vector<QTreeWidgetItem *> SelectedRows(QTreeWidget *list) {
    std::vector<QTreeWidgetItem *> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->isSelected())
            rows.push_back(list->topLevelItem(i));
    return rows;
}

QTreeWidget *MakeList(QWidget *parent) {
    auto *list = new QTreeWidget(parent);
    list->setColumnCount(2);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSortingEnabled(false);
    list->header()->setSectionsClickable(true);
    list->setColumnWidth(0, 90);
    list->setMinimumSize(260, 280);
    return list;
}
} // namespace

TDlgSelGrpAddr::TDlgSelGrpAddr(QWidget *owner, int levels, TObjektBasis *object,
                               std::vector<TObjektBasis::RecGrpAdrId> &ids,
                               const std::map<long, TVumaGrpAdrSub *> &nodes,
                               TEtsGruppenAdressen *reader, TDeviceInstanz *device)
    : TModalDialog(owner, 3), FLevels(levels), FObject(object), FIds(ids), FNodes(nodes),
      FReader(reader), FDevice(device) {
    LOG_FKT("TDlgSelGrpAddr::TDlgSelGrpAddr");
    LabelGrpAddr = new QLabel(this);
    EditGrpAddr = new QLineEdit(this);
    btnSearchAdd = new QPushButton(this);
    gbSource = new QGroupBox(this);
    gbDest = new QGroupBox(this);
    ListViewSource = MakeList(gbSource);
    ListViewDest = MakeList(gbDest);
    btnRight = new QPushButton(">", this);
    btnAllRight = new QPushButton(">>", this);
    btnLeft = new QPushButton("<", this);
    btnAllLeft = new QPushButton("<<", this);
    ButtonOk = new QPushButton(this);
    ButtonCancel = new QPushButton(this);
    ButtonHelp = new QPushButton(this);

    auto *suche = new QHBoxLayout;
    suche->addWidget(LabelGrpAddr);
    suche->addWidget(EditGrpAddr, 1);
    suche->addWidget(btnSearchAdd);
    for (auto [box, list] : {std::pair{gbSource, ListViewSource}, {gbDest, ListViewDest}})
        (new QVBoxLayout(box))->addWidget(list);
    auto *pfeile = new QVBoxLayout;
    pfeile->addStretch();
    for (QPushButton *b : {btnRight, btnAllRight, btnLeft, btnAllLeft}) {
        b->setFixedWidth(40);
        pfeile->addWidget(b);
    }
    pfeile->addStretch();
    auto *listen = new QHBoxLayout;
    listen->addWidget(gbSource, 1);
    listen->addLayout(pfeile);
    listen->addWidget(gbDest, 1);
    // The three buttons stay right-aligned, 10 pixels apart.
    auto *knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(10);
    knoepfe->addStretch();
    for (QPushButton *b : {ButtonOk, ButtonCancel, ButtonHelp})
        knoepfe->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(suche);
    layout->addLayout(listen, 1);
    layout->addLayout(knoepfe);

    connect(btnRight, &QPushButton::clicked, this, [this] { btnRightClick(); });
    connect(btnAllRight, &QPushButton::clicked, this, [this] { btnAllRightClick(); });
    connect(btnLeft, &QPushButton::clicked, this, [this] { btnLeftClick(); });
    connect(btnAllLeft, &QPushButton::clicked, this, [this] { btnAllLeftClick(); });
    connect(btnSearchAdd, &QPushButton::clicked, this, [this] { btnSearchAddClick(); });
    connect(ButtonOk, &QPushButton::clicked, this, [this] { ButtonOkClick(); });
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });
    connect(ButtonHelp, &QPushButton::clicked, this, [this] { ButtonHelpClick(); });
    connect(EditGrpAddr, &QLineEdit::textChanged, this, [this] { SetButtons(); });
    new TGrpAddrKeyFilter(EditGrpAddr, [this] { btnSearchAddClick(); });
    for (QTreeWidget *list : {ListViewSource, ListViewDest}) {
        connect(list, &QTreeWidget::itemSelectionChanged, this, [this] { SetButtons(); });
        connect(list, &QTreeWidget::itemDoubleClicked, this,
                [this, list] { ListDoubleClick(list); });
        connect(list->header(), &QHeaderView::sectionClicked, this,
                [this, list](int column) { ColumnClick(list, column); });
    }

    LadeTexte();
    MakeAdrList();
    FillListViewSource();
    FillListViewDest();
    SortList(ListViewSource);
    SortList(ListViewDest);
    SetButtons();
}

TDlgSelGrpAddr::~TDlgSelGrpAddr() {
    LOG_FKT("TDlgSelGrpAddr::~TDlgSelGrpAddr");
}

void TDlgSelGrpAddr::LadeTexte() {
    LOG_FKT("TDlgSelGrpAddr::LadeTexte");
    setWindowTitle(QtText(SprText(9141)));
    gbSource->setTitle(QtText(Utf8ToAnsi("Auswählbare Gruppenadressen")));
    gbDest->setTitle(QtText("Zugewiesene Gruppenadressen"));
    LabelGrpAddr->setText(QtText("Gruppenadresse:"));
    btnSearchAdd->setText(QtText(Utf8ToAnsi("Suchen/Hinzufügen")));
    ListViewSource->setToolTip(QtText(Utf8ToAnsi(
        "Diese Gruppenadressen können zur Verbindung mit dem Komm.-Objekt ausgewählt werden.")));
    ListViewDest->setToolTip(QtText(Utf8ToAnsi(
        "Diese Gruppenadressen wurden bereits zur Verbindung mit dem Komm.-Objekt ausgewählt.")));
    ButtonOk->setText(QtText(SprText(9009)));
    ButtonCancel->setText(QtText(SprText(9007)));
    ButtonHelp->setText(QtText(SprText(9008)));
    FSortSource.SetzeUeberschriften(ListViewSource, {"Adresse", "Name"});
    FSortDest.SetzeUeberschriften(ListViewDest, {"Adresse", "Name"});
}

void TDlgSelGrpAddr::MakeAdrList() {
    LOG_FKT("TDlgSelGrpAddr::MakeAdrList");
    FEntries.clear();
    if (!FObject || !FReader)
        return;
    // The sub group's type fits when it is the object's or none yet.
    const int objektTyp = FObject->GetEtsObjektTyp();
    for (const auto &[id, node] : FNodes) {
        if (!node)
            continue;
        const int t = node->GetSubAdrTyp();
        if (t != objektTyp && t != -1)
            continue;
        auto entry = std::make_unique<GrpAddrListEntry>();
        entry->Id = node->GetGroupId();
        entry->Name = node->GetName(true);
        entry->AdrText = FReader->GrpAddrString(entry->Id);
        entry->Word = static_cast<int16_t>(node->GetGrpAddr());
        entry->TypText = node->GetSubAdrTypText();
        entry->Assigned = std::any_of(FIds.begin(), FIds.end(), [&](const auto &link) {
            return link.SubGroupId == entry->Id;
        });
        FEntries.push_back(std::move(entry));
    }
}

QTreeWidgetItem *TDlgSelGrpAddr::AddRow(QTreeWidget *list, GrpAddrListEntry *entry) {
    LOG_FKT("TDlgSelGrpAddr::AddRow");
    auto *row = new QTreeWidgetItem(list, {QtText(entry->AdrText), QtText(entry->Name)});
    row->setData(0, kEntryRole, QVariant::fromValue(reinterpret_cast<quintptr>(entry)));
    return row;
}

GrpAddrListEntry *TDlgSelGrpAddr::Entry(const QTreeWidgetItem *row) {
    LOG_FKT("TDlgSelGrpAddr::Entry");
    return row ? reinterpret_cast<GrpAddrListEntry *>(row->data(0, kEntryRole).value<quintptr>())
               : nullptr;
}

void TDlgSelGrpAddr::Fill(QTreeWidget *list, bool assigned) {
    LOG_FKT("TDlgSelGrpAddr::Fill");
    list->clear();
    for (const auto &entry : FEntries)
        if (entry->Assigned == assigned)
            AddRow(list, entry.get());
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
}

void TDlgSelGrpAddr::FillListViewSource() {
    LOG_FKT("TDlgSelGrpAddr::FillListViewSource");
    Fill(ListViewSource, false);
}

void TDlgSelGrpAddr::FillListViewDest() {
    LOG_FKT("TDlgSelGrpAddr::FillListViewDest");
    Fill(ListViewDest, true);
}

int TDlgSelGrpAddr::Limit() const {
    LOG_FKT("TDlgSelGrpAddr::Limit");
    return FObject ? FObject->GetNumberSelectableGrpAdr() : 0;
}

void TDlgSelGrpAddr::SetButtons() {
    LOG_FKT("TDlgSelGrpAddr::SetButtons");
    const int n = Limit();
    const bool platz = n <= 0 || ListViewDest->topLevelItemCount() < n;
    btnRight->setEnabled(!ListViewSource->selectedItems().isEmpty() && platz);
    btnAllRight->setEnabled(ListViewSource->topLevelItemCount() > 0 && platz);
    btnLeft->setEnabled(!ListViewDest->selectedItems().isEmpty());
    btnAllLeft->setEnabled(ListViewDest->topLevelItemCount() > 0);
    btnSearchAdd->setEnabled(!EditGrpAddr->text().isEmpty());
}

void TDlgSelGrpAddr::MoveSelected(QTreeWidget *from, QTreeWidget *to, int limit) {
    LOG_FKT("TDlgSelGrpAddr::MoveSelected");
    const std::vector<QTreeWidgetItem *> rows = SelectedRows(from);
    if (rows.empty())
        return;
    const int alterIndex = from->indexOfTopLevelItem(rows.front());
    to->clearSelection();
    QTreeWidgetItem *letzte = nullptr;
    for (QTreeWidgetItem *row : rows) {
        if (limit > 0 && to->topLevelItemCount() >= limit) {
            MessageBox(nullptr, "Die maximale Anzahl an zuweisbaren\nGruppenadressen ist erreicht!",
                       "Achtung", MB_ICONSTOP);
            break;
        }
        from->takeTopLevelItem(from->indexOfTopLevelItem(row));
        row->setSelected(false);
        to->addTopLevelItem(row);
        if (GrpAddrListEntry *entry = Entry(row))
            entry->Assigned = to == ListViewDest;
        letzte = row;
    }
    if (letzte)
        to->setCurrentItem(letzte, 0, QItemSelectionModel::NoUpdate);
    from->clearSelection();
    if (const int count = from->topLevelItemCount(); count > 0) {
        QTreeWidgetItem *next = from->topLevelItem(std::min(alterIndex, count - 1));
        from->setCurrentItem(next);
        next->setSelected(true);
    }
    SortList(to);
    SetButtons();
}

void TDlgSelGrpAddr::btnRightClick() {
    LOG_FKT("TDlgSelGrpAddr::btnRightClick");
    MoveSelected(ListViewSource, ListViewDest, Limit());
}

void TDlgSelGrpAddr::btnLeftClick() {
    LOG_FKT("TDlgSelGrpAddr::btnLeftClick");
    MoveSelected(ListViewDest, ListViewSource, 0);
}

void TDlgSelGrpAddr::btnAllRightClick() {
    LOG_FKT("TDlgSelGrpAddr::btnAllRightClick");
    MoveAll(ListViewSource, ListViewDest, Limit());
}

void TDlgSelGrpAddr::btnAllLeftClick() {
    LOG_FKT("TDlgSelGrpAddr::btnAllLeftClick");
    MoveAll(ListViewDest, ListViewSource, 0);
}

void TDlgSelGrpAddr::MoveAll(QTreeWidget *from, QTreeWidget *to, int limit) {
    LOG_FKT("TDlgSelGrpAddr::MoveAll");
    from->selectAll();
    MoveSelected(from, to, limit);
    Zeige(to, to->topLevelItem(0));
    SetButtons();
}

void TDlgSelGrpAddr::Zeige(QTreeWidget *list, QTreeWidgetItem *row) {
    LOG_FKT("TDlgSelGrpAddr::Zeige");
    if (!row)
        return;
    list->clearSelection();
    list->setCurrentItem(row);
    row->setSelected(true);
    list->scrollToItem(row);
    list->setFocus();
}

QTreeWidgetItem *TDlgSelGrpAddr::FindCaption(QTreeWidget *list, const AnsiString &caption) const {
    LOG_FKT("TDlgSelGrpAddr::FindCaption");
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (const GrpAddrListEntry *entry = Entry(list->topLevelItem(i)))
            if (entry->AdrText == caption)
                return list->topLevelItem(i);
    return nullptr;
}

bool TDlgSelGrpAddr::SearchAllGrpAddr(TEtsGruppenAdressen *reader, const AnsiString &text) {
    LOG_FKT("TDlgSelGrpAddr::SearchAllGrpAddr");
    if (!reader)
        return false;
    for (TEtsMainGroup *m = reader->GetMainGroupFirst(); m; m = reader->GetMainGroupNext())
        for (TEtsMiddleGroup *mi = reader->GetMiddleGroupFirst(m); mi;
             mi = reader->GetMiddleGroupNext(m))
            for (TEtsSubGroup *s = reader->GetSubGroupFirst(mi); s; s = reader->GetSubGroupNext(mi))
                if (TGrpAddrText::GrpAddrString(s->GetGrpAddr(), ThreeLevel()) == text)
                    return true;
    return false;
}

void TDlgSelGrpAddr::btnSearchAddClick() {
    LOG_FKT("TDlgSelGrpAddr::btnSearchAddClick");
    if (!FDevice || !FReader)
        return;
    ListViewSource->clearSelection();
    const AnsiString typed = AnsiText(EditGrpAddr->text());
    int main = 0, middle = 0, sub = 0;
    if (!TGrpAddrText::StringToGrpAddr(typed, ThreeLevel(), main, middle, sub))
        return;
    EditGrpAddr->setText(EditGrpAddr->text().trimmed());
    // Searched as the device writes the numbers, so that 01/2/3 finds 1/2/3.
    const AnsiString text = TGrpAddrText::SearchText(main, middle, sub, ThreeLevel());
    for (QTreeWidget *list : {ListViewSource, ListViewDest})
        if (QTreeWidgetItem *row = FindCaption(list, text)) {
            Zeige(list, row);
            SetButtons();
            return;
        }
    // A detector's address is in the project but never offered: the detector check comes
    // before the search of the whole project, which would call it of the wrong type.
    if (FDevice->CheckGrpAddrUsedFromMelder(text, ThreeLevel() ? 3 : 2))
        return;
    if (SearchAllGrpAddr(FReader, text)) {
        MessageBox(
            nullptr,
            Einsetzen("Die Gruppenadresse [%s] ist fuer diesen Objekt-Typ nicht geeignet!", text),
            SprText(9012), MB_ICONINFORMATION);
        EditGrpAddr->setFocus();
        return;
    }
    if (MessageBox(nullptr,
                   Einsetzen("Die Gruppenadresse [%s] wurde nicht gefunden!\n\nSoll diese "
                             "angelegt werden?",
                             text),
                   SprText(9012), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    AnsiString name;
    TDlgNewGrpAddrName dialog(this, "Gruppenadresse anlegen",
                              "Geben Sie den Namen der Gruppenadresse ein.", name);
    if (dialog.ShowModal() != 1)
        return;
    TVumaGrpAdrSub *node = FDevice->CreateGrpAddr(
        static_cast<short>(main), static_cast<short>(middle), static_cast<short>(sub), name);
    if (!node) {
        MessageBox(nullptr, Einsetzen(SprText(9140), text), SprText(9012), MB_ICONQUESTION);
        EditGrpAddr->setFocus();
        return;
    }
    auto entry = std::make_unique<GrpAddrListEntry>();
    entry->Id = node->GetGroupId();
    entry->Name = node->GetName(true);
    entry->AdrText = FReader->GrpAddrString(entry->Id);
    entry->TypText = node->GetSubAdrTypText();
    entry->Word = static_cast<int16_t>(node->GetGrpAddr());
    QTreeWidgetItem *row = AddRow(ListViewSource, entry.get());
    FEntries.push_back(std::move(entry));
    Zeige(ListViewSource, row);
    SetButtons();
}

const TListSort &TDlgSelGrpAddr::Sort(const QTreeWidget *list) const {
    LOG_FKT("TDlgSelGrpAddr::Sort");
    return list == ListViewDest ? FSortDest : FSortSource;
}

void TDlgSelGrpAddr::SortList(QTreeWidget *list) {
    LOG_FKT("TDlgSelGrpAddr::SortList");
    const TListSort &sort = Sort(list);
    sort.Sortiere(list, [column = sort.Column](const QTreeWidgetItem *a, const QTreeWidgetItem *b) {
        const GrpAddrListEntry *x = Entry(a);
        const GrpAddrListEntry *y = Entry(b);
        return column == 0 ? x->Word < y->Word : NameLess(x->Name, y->Name);
    });
}

void TDlgSelGrpAddr::ColumnClick(QTreeWidget *list, int column) {
    LOG_FKT("TDlgSelGrpAddr::ColumnClick");
    TListSort &sort = list == ListViewDest ? FSortDest : FSortSource;
    sort.Klick(column);
    sort.SetzeUeberschriften(list, {"Adresse", "Name"});
    SortList(list);
}

void TDlgSelGrpAddr::ListDoubleClick(QTreeWidget *list) {
    LOG_FKT("TDlgSelGrpAddr::ListDoubleClick");
    if (list->selectedItems().isEmpty())
        return;
    if (list == ListViewSource)
        btnRightClick();
    else
        btnLeftClick();
}

void TDlgSelGrpAddr::ButtonOkClick() {
    LOG_FKT("TDlgSelGrpAddr::ButtonOkClick");
    FIds.clear();
    for (int i = 0; i < ListViewDest->topLevelItemCount(); ++i)
        if (const GrpAddrListEntry *entry = Entry(ListViewDest->topLevelItem(i)))
            FIds.push_back({entry->Id, 0});
    SetModalResult(1);
}

void TDlgSelGrpAddr::ButtonCancelClick() {
    LOG_FKT("TDlgSelGrpAddr::ButtonCancelClick");
    SetModalResult(3);
}

void TDlgSelGrpAddr::ButtonHelpClick() {
    LOG_FKT("TDlgSelGrpAddr::ButtonHelpClick");
    const std::filesystem::path program = GetProgramFileName();
    const AnsiString folder = program.empty() ? "" : program.parent_path().string() + "/";
    WinHelp(nullptr, folder + SprText(11368), HELP_CONTEXT, HelpContext);
}

void TDlgSelGrpAddr::FormShow() {
    LOG_FKT("TDlgSelGrpAddr::FormShow");
    EditGrpAddr->setFocus();
}
