#include "deviceinstance/dialogs/TFDlgGrpAddrChange.h"

#include "deviceinstance/TDeviceInstanzAz.h"
#include "deviceinstance/TGrpAddrText.h"
#include "deviceinstance/dialogs/DialogTexte.h"
#include "deviceinstance/dialogs/TDlgNewGrpAddrName.h"
#include "deviceinstance/dialogs/TGrpAddrKeyFilter.h"
#include "foundation/SprTexte.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"
#include "platform/vcl/Exception.h"
#include "platform/win/MessageBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace {
enum : int { kKey = Qt::UserRole, kType, kWord, kImage, kOverlay };

// The tree's images from the style; the overlay (a small warning sign in the lower right
// corner) marks a sub group whose type does not fit.
QIcon Bild(int image, bool overlay) {
    static const QStyle::StandardPixmap kBilder[] = {
        QStyle::SP_MessageBoxWarning, QStyle::SP_DriveNetIcon, QStyle::SP_DirClosedIcon,
        QStyle::SP_DirOpenIcon, QStyle::SP_FileIcon};
    QStyle *style = QApplication::style();
    const QIcon icon = style->standardIcon(kBilder[image]);
    if (!overlay)
        return icon;
    QPixmap pixmap = icon.pixmap(16, 16);
    QPainter painter(&pixmap);
    painter.drawPixmap(7, 7, style->standardIcon(kBilder[0]).pixmap(9, 9));
    return QIcon(pixmap);
}

AnsiString Nummer(const char *pattern, int number) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, number);
    return text;
}
} // namespace

TFDlgGrpAddrChange::TFDlgGrpAddrChange(QWidget *owner, int &resultWord,
                                       std::vector<RecNewGroupAddr> &newAddresses, bool threeLevel,
                                       const TObjektMap &mainGroups, const TObjektMap &midSubGroups,
                                       const TRecGroupAddrInfo *row)
    : TModalDialog(owner, 3), FResultWord(resultWord), FNewAddresses(newAddresses),
      FThreeLevel(threeLevel), FMainGroups(mainGroups), FMidSubGroups(midSubGroups) {
    LOG_FKT("TFDlgGrpAddrChange::TFDlgGrpAddrChange");
    if (!row)
        throw Exception(
            "TFDlgGrpAddrChange::TFDlgGrpAddrChange: FEHLER, Gruppenadress-Daten sind leer!");
    FRow = *row;
    setWindowTitle(QtText("Gruppenadresse wechseln"));
    setMinimumSize(440, 506);
    TreeView = new QTreeWidget(this);
    TreeView->setHeaderHidden(true);
    TreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gbIstGroupAddr = new QGroupBox(QtText("Ist-Gruppenadresse"), this);
    lblIstGa = new QLabel(
        QtText(Einsetzen("Adresse: %s", TGrpAddrText::GrpAddrString(FRow.IstWord, threeLevel))),
        gbIstGroupAddr);
    lblSatusIstGa = new QLabel(QtText(Einsetzen("Status: %s", FRow.StatusText)), gbIstGroupAddr);
    gbSollGroupAddr = new QGroupBox(QtText("Soll-Gruppenadresse"), this);
    lblGrpAddrEditText =
        new QLabel(QtText(Einsetzen("Adresse (Typ: %s):", FRow.TypText)), gbSollGroupAddr);
    EditSollGa = new QLineEdit(gbSollGroupAddr);
    btnSearchAdd = new QPushButton(QtText(Utf8ToAnsi("Suchen/Hinzufügen")), gbSollGroupAddr);
    btnNoGroupAddr = new QPushButton(QtText("Kei&ne Adresse"), gbSollGroupAddr);
    ButtonOk = new QPushButton(QtText(SprText(9009)), this);
    ButtonCancel = new QPushButton(QtText(SprText(9007)), this);

    auto *ist = new QVBoxLayout(gbIstGroupAddr);
    ist->addWidget(lblIstGa);
    ist->addWidget(lblSatusIstGa);
    auto *soll = new QGridLayout(gbSollGroupAddr);
    soll->addWidget(lblGrpAddrEditText, 0, 0, 1, 2);
    soll->addWidget(EditSollGa, 1, 0);
    soll->addWidget(btnSearchAdd, 1, 1);
    soll->addWidget(btnNoGroupAddr, 2, 1);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(10);
    knoepfe->addStretch();
    knoepfe->addWidget(ButtonOk);
    knoepfe->addWidget(ButtonCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(gbIstGroupAddr);
    layout->addWidget(TreeView, 1);
    layout->addWidget(gbSollGroupAddr);
    layout->addLayout(knoepfe);

    connect(TreeView, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *node) { TreeViewChange(node); });
    connect(btnSearchAdd, &QPushButton::clicked, this, [this] { btnSearchAddClick(); });
    connect(btnNoGroupAddr, &QPushButton::clicked, this, [this] { btnNoGroupAddrClick(); });
    connect(ButtonOk, &QPushButton::clicked, this, [this] { ButtonOkClick(); });
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { ButtonCancelClick(); });
    connect(EditSollGa, &QLineEdit::textChanged, this,
            [this](const QString &text) { btnSearchAdd->setEnabled(!text.isEmpty()); });
    new TGrpAddrKeyFilter(
        EditSollGa, [this] { btnSearchAddClick(); }, [this] { ButtonOk->setEnabled(false); });
    btnSearchAdd->setEnabled(false);
    ButtonOk->setEnabled(true);
}

TFDlgGrpAddrChange::~TFDlgGrpAddrChange() {
    LOG_FKT("TFDlgGrpAddrChange::~TFDlgGrpAddrChange");
}

void TFDlgGrpAddrChange::FormShow() {
    LOG_FKT("TFDlgGrpAddrChange::FormShow");
    InitTreeView();
}

int TFDlgGrpAddrChange::Key(const QTreeWidgetItem *node) {
    LOG_FKT("TFDlgGrpAddrChange::Key");
    return node->data(0, kKey).toInt();
}

int TFDlgGrpAddrChange::AddrType(const QTreeWidgetItem *node) {
    LOG_FKT("TFDlgGrpAddrChange::AddrType");
    return node->data(0, kType).toInt();
}

int TFDlgGrpAddrChange::Word(const QTreeWidgetItem *node) {
    LOG_FKT("TFDlgGrpAddrChange::Word");
    return node->data(0, kWord).toInt();
}

int TFDlgGrpAddrChange::Image(const QTreeWidgetItem *node) {
    LOG_FKT("TFDlgGrpAddrChange::Image");
    return node->data(0, kImage).toInt();
}

bool TFDlgGrpAddrChange::Overlay(const QTreeWidgetItem *node) {
    LOG_FKT("TFDlgGrpAddrChange::Overlay");
    return node->data(0, kOverlay).toBool();
}

QTreeWidgetItem *TFDlgGrpAddrChange::Root() const {
    LOG_FKT("TFDlgGrpAddrChange::Root");
    return TreeView->topLevelItem(0);
}

QTreeWidgetItem *TFDlgGrpAddrChange::AddNode(QTreeWidgetItem *parent, const AnsiString &caption,
                                             int image, int key, int addrType, int word) {
    LOG_FKT("TFDlgGrpAddrChange::AddNode");
    auto *node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(TreeView);
    const bool overlay = image == ImageSub && !Fits(addrType);
    node->setText(0, QtText(caption));
    node->setData(0, kKey, key);
    node->setData(0, kType, addrType);
    node->setData(0, kWord, word);
    node->setData(0, kImage, image);
    node->setData(0, kOverlay, overlay);
    node->setIcon(0, Bild(image, overlay));
    return node;
}

QTreeWidgetItem *TFDlgGrpAddrChange::GetChildTreeNode(QTreeWidgetItem *node, int key) {
    LOG_FKT("TFDlgGrpAddrChange::GetChildTreeNode");
    if (!node)
        return nullptr;
    for (int i = 0; i < node->childCount(); ++i)
        if (Key(node->child(i)) == key)
            return node->child(i);
    return nullptr;
}

QTreeWidgetItem *TFDlgGrpAddrChange::MainNode(int main) {
    LOG_FKT("TFDlgGrpAddrChange::MainNode");
    QTreeWidgetItem *node = GetChildTreeNode(Root(), main);
    return node ? node
                : AddNode(Root(), Nummer("[%d] Neue Hauptgruppe", main), ImageMain, main, -1, 0);
}

QTreeWidgetItem *TFDlgGrpAddrChange::GroupNode(int main, int middle) {
    LOG_FKT("TFDlgGrpAddrChange::GroupNode");
    QTreeWidgetItem *node = MainNode(main);
    if (!FThreeLevel)
        return node;
    QTreeWidgetItem *mid = GetChildTreeNode(node, middle);
    return mid ? mid
               : AddNode(node, Nummer("[%d] Neue Mittelgruppe", middle), ImageMiddle, middle, -1,
                         0);
}

void TFDlgGrpAddrChange::SortTree(QTreeWidgetItem *node) {
    LOG_FKT("TFDlgGrpAddrChange::SortTree");
    QList<QTreeWidgetItem *> children = node->takeChildren();
    std::stable_sort(children.begin(), children.end(),
                     [](const auto *a, const auto *b) { return Key(a) < Key(b); });
    node->addChildren(children);
    for (QTreeWidgetItem *child : children)
        SortTree(child);
}

void TFDlgGrpAddrChange::InitTreeView() {
    LOG_FKT("TFDlgGrpAddrChange::InitTreeView");
    if (TreeView->topLevelItemCount() > 0)
        return;
    QTreeWidgetItem *root = AddNode(nullptr, SprText(9141), ImageRoot, 0, -1, 0);
    for (const auto &[id, object] : FMainGroups)
        if (const auto *main = dynamic_cast<const TVumaGrpAdrMain *>(object.get()))
            AddNode(root, "[" + std::to_string(main->GetNumber()) + "] " + main->GetName(true),
                    ImageMain, main->GetNumber(), -1, 0);
    // Middle groups first: the sub groups hang below them.
    if (FThreeLevel)
        for (const auto &[id, object] : FMidSubGroups)
            if (const auto *middle = dynamic_cast<const TVumaGrpAdrMiddle *>(object.get())) {
                QTreeWidgetItem *main = MainNode((middle->GetGrpAddr() >> 11) & 0xF);
                if (!GetChildTreeNode(main, middle->GetNumber()))
                    AddNode(main,
                            "[" + std::to_string(middle->GetNumber()) + "] " +
                                middle->GetName(true),
                            ImageMiddle, middle->GetNumber(), -1, 0);
            }
    auto addSub = [&](int word, const AnsiString &caption, int addrType) {
        uint16_t main = 0, middle = 0, sub = 0;
        TDeviceInstanzAz::GetMainMiddleAndSubGroupAddr(word, FThreeLevel, main, middle, sub);
        QTreeWidgetItem *parent = GroupNode(main, middle);
        if (!GetChildTreeNode(parent, sub))
            AddNode(parent, caption, ImageSub, sub, addrType, word);
    };
    for (const auto &[id, object] : FMidSubGroups)
        if (const auto *sub = dynamic_cast<const TVumaGrpAdrSub *>(object.get()))
            addSub(sub->GetGrpAddr(),
                   "[" + std::to_string(sub->GetNumber()) + "] " + sub->GetName(true),
                   sub->GetSubAdrTyp());
    for (const RecNewGroupAddr &address : FNewAddresses) {
        uint16_t main = 0, middle = 0, sub = 0;
        TDeviceInstanzAz::GetMainMiddleAndSubGroupAddr(address.Word, FThreeLevel, main, middle,
                                                       sub);
        addSub(address.Word, "[" + std::to_string(sub) + "]" + address.Name, address.AddrType);
    }
    SortTree(root);
    root->setExpanded(true);
    if (FRow.SollWord != 0)
        for (QTreeWidgetItemIterator it(TreeView); *it; ++it)
            if (Image(*it) == ImageSub && Word(*it) == FRow.SollWord) {
                Select(*it);
                break;
            }
}

void TFDlgGrpAddrChange::Select(QTreeWidgetItem *node) {
    LOG_FKT("TFDlgGrpAddrChange::Select");
    for (QTreeWidgetItem *p = node->parent(); p; p = p->parent())
        p->setExpanded(true);
    TreeView->setCurrentItem(node);
    TreeView->scrollToItem(node);
    TreeViewChange(node);
}

void TFDlgGrpAddrChange::TreeViewChange(QTreeWidgetItem *node) {
    LOG_FKT("TFDlgGrpAddrChange::TreeViewChange");
    if (!node)
        return;
    if (Word(node) == 0) {
        ButtonOk->setEnabled(false);
        return;
    }
    EditSollGa->setText(QtText(TGrpAddrText::GrpAddrString(Word(node), FThreeLevel)));
    ButtonOk->setEnabled(Fits(AddrType(node)));
}

void TFDlgGrpAddrChange::btnSearchAddClick() {
    LOG_FKT("TFDlgGrpAddrChange::btnSearchAddClick");
    int main = 0, middle = 0, sub = 0;
    if (!TGrpAddrText::StringToGrpAddr(AnsiText(EditSollGa->text()), FThreeLevel, main, middle,
                                       sub))
        return;
    InitTreeView();
    // Two levels: the key of a sub group is its whole 11-bit number.
    const int key = FThreeLevel ? sub : middle * 256 + sub;
    QTreeWidgetItem *parent = GetChildTreeNode(Root(), main);
    if (FThreeLevel)
        parent = GetChildTreeNode(parent, middle);
    if (QTreeWidgetItem *found = GetChildTreeNode(parent, key)) {
        Select(found);
        TreeView->setFocus();
        return;
    }
    const AnsiString text = TGrpAddrText::SearchText(main, middle, sub, FThreeLevel);
    if (MessageBox(nullptr,
                   Einsetzen("Die Gruppenadresse [%s] wurde nicht gefunden!\n\nSoll diese "
                             "angelegt werden?",
                             text),
                   SprText(9012), MB_YESNO | MB_ICONQUESTION) != IDYES) {
        ButtonOk->setEnabled(false);
        return;
    }
    AnsiString name;
    TDlgNewGrpAddrName dialog(this, "Gruppenadresse anlegen",
                              "Geben Sie den Namen der Gruppenadresse ein.", name);
    if (dialog.ShowModal() != 1) {
        ButtonOk->setEnabled(false);
        return;
    }
    if (name.empty())
        name = "Neue Untergruppe";
    const int word = TGrpAddrText::GetCompleteGroupAddress(main, middle, FThreeLevel, sub);
    QTreeWidgetItem *node = AddNode(GroupNode(main, middle), "[" + std::to_string(key) + "]" + name,
                                    ImageSub, key, WantedType(), word);
    FNewAddresses.push_back({word, name, WantedType()});
    SortTree(Root());
    Select(node);
    TreeView->setFocus();
}

void TFDlgGrpAddrChange::btnNoGroupAddrClick() {
    LOG_FKT("TFDlgGrpAddrChange::btnNoGroupAddrClick");
    EditSollGa->clear();
    TreeView->setCurrentItem(nullptr);
    TreeView->clearSelection();
    FResultWord = 0;
    ButtonOk->setEnabled(true);
}

void TFDlgGrpAddrChange::ButtonOkClick() {
    LOG_FKT("TFDlgGrpAddrChange::ButtonOkClick");
    const QList<QTreeWidgetItem *> selected = TreeView->selectedItems();
    FResultWord = selected.isEmpty() ? 0 : Word(selected.front());
    SetModalResult(1);
}

void TFDlgGrpAddrChange::ButtonCancelClick() {
    LOG_FKT("TFDlgGrpAddrChange::ButtonCancelClick");
    SetModalResult(3);
}
