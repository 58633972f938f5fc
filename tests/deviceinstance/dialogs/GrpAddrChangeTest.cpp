// The group-address change dialog: its tree from the device's nodes and the addresses to
// create, the OK rule, typed addresses found and created, no address, OK and cancel.
#include "DialogTestHilfen.h"

#include "deviceinstance/dialogs/TDlgNewGrpAddrName.h"
#include "deviceinstance/dialogs/TFDlgGrpAddrChange.h"
#include "platform/vcl/Cp1252.h"
#include "platform/vcl/Exception.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

class GrpAddrChange : public TDialogFixture {
protected:
    GrpAddrChange() {
        Baum();
        Row.IstWord = 0x0A05; // 1/2/5, missing
        Row.ObjTyp = 1;       // 1 bit: sub-group type 0
        Row.TypText = "1 Bit";
        Row.Status = 2;
        Row.StatusText = "fehlt";
    }
    std::unique_ptr<TFDlgGrpAddrChange> Dialog(bool three = true) {
        auto dialog = std::make_unique<TFDlgGrpAddrChange>(nullptr, Word, NewAddresses, three,
                                                           Device->GetMainGroups(),
                                                           Device->GetMidSubGroups(), &Row);
        dialog->InitTreeView();
        return dialog;
    }
    // The captions of a node's children (UTF-8).
    static std::vector<std::string> Kinder(QTreeWidgetItem *node) {
        std::vector<std::string> out;
        for (int i = 0; node && i < node->childCount(); ++i)
            out.push_back(node->child(i)->text(0).toStdString());
        return out;
    }
    static QTreeWidgetItem *Pfad(TFDlgGrpAddrChange &d, std::vector<int> keys) {
        QTreeWidgetItem *node = d.Root();
        for (int key : keys)
            node = TFDlgGrpAddrChange::GetChildTreeNode(node, key);
        return node;
    }
    TRecGroupAddrInfo Row;
    int Word = 0;
    std::vector<RecNewGroupAddr> NewAddresses;
};

TEST_F(GrpAddrChange, WithoutARowItThrowsItsText) {
    try {
        TFDlgGrpAddrChange dialog(nullptr, Word, NewAddresses, true, Device->GetMainGroups(),
                                  Device->GetMidSubGroups(), nullptr);
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message,
                  "TFDlgGrpAddrChange::TFDlgGrpAddrChange: FEHLER, Gruppenadress-Daten sind leer!");
    }
}

TEST_F(GrpAddrChange, TexstShowTheRow) {
    auto dialog = Dialog();
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Gruppenadresse wechseln");
    EXPECT_EQ(dialog->lblIstGa->text().toStdString(), "Adresse: 1/2/5");
    EXPECT_EQ(dialog->lblSatusIstGa->text().toStdString(), "Status: fehlt");
    EXPECT_EQ(dialog->lblGrpAddrEditText->text().toStdString(), "Adresse (Typ: 1 Bit):");
    EXPECT_EQ(dialog->btnNoGroupAddr->text().toStdString(), "Kei&ne Adresse");
    EXPECT_TRUE(dialog->EditSollGa->text().isEmpty());
    EXPECT_TRUE(dialog->ButtonOk->isEnabled());
    EXPECT_GE(dialog->minimumWidth(), 440);
    EXPECT_GE(dialog->minimumHeight(), 506);
}

TEST_F(GrpAddrChange, TreeFromTheNodesAndTheAddressesToCreate) {
    NewAddresses = {{0x0A05, "Neu", 0}, {0x3101, "Ganz neu", -1}, {0x0801, "Doppelt", 0}};
    Row.SollWord = 0x0802; // 1/0/2
    auto dialog = Dialog();
    QTreeWidgetItem *root = dialog->Root();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(dialog->TreeView->topLevelItemCount(), 1);
    EXPECT_EQ(root->text(0).toStdString(), "Gruppenadressen");
    EXPECT_EQ(TFDlgGrpAddrChange::Image(root), TFDlgGrpAddrChange::ImageRoot);
    EXPECT_EQ(TFDlgGrpAddrChange::Word(root), 0);
    ASSERT_EQ(Kinder(root).size(), 3u);
    EXPECT_EQ(Kinder(root)[2], "[6] Neue Hauptgruppe");
    EXPECT_EQ(Kinder(Pfad(*dialog, {6})), std::vector<std::string>{"[1] Neue Mittelgruppe"});
    EXPECT_EQ(Kinder(Pfad(*dialog, {6, 1})), std::vector<std::string>{"[1]Ganz neu"});
    EXPECT_EQ(Kinder(Pfad(*dialog, {1, 0})),
              (std::vector<std::string>{"[1] Licht Flur", "[2] Licht Küche"}))
        << "an address to create that exists already is not added twice";
    EXPECT_EQ(Kinder(Pfad(*dialog, {1})).size(), 3u);
    EXPECT_EQ(Kinder(Pfad(*dialog, {1, 2})), std::vector<std::string>{"[5]Neu"})
        << "a middle group that is missing is made";
    QTreeWidgetItem *zustand = Pfad(*dialog, {2, 0, 8});
    ASSERT_NE(zustand, nullptr);
    EXPECT_TRUE(TFDlgGrpAddrChange::Overlay(zustand)) << "1-byte objects on it";
    EXPECT_FALSE(TFDlgGrpAddrChange::Overlay(Pfad(*dialog, {2, 0, 7})));
    EXPECT_EQ(TFDlgGrpAddrChange::Image(zustand), TFDlgGrpAddrChange::ImageSub);
    EXPECT_EQ(TFDlgGrpAddrChange::Image(Pfad(*dialog, {2, 0})), TFDlgGrpAddrChange::ImageMiddle);
    EXPECT_EQ(TFDlgGrpAddrChange::Image(Pfad(*dialog, {2})), TFDlgGrpAddrChange::ImageMain);
    QTreeWidgetItem *preselected = dialog->TreeView->currentItem();
    ASSERT_NE(preselected, nullptr);
    EXPECT_EQ(preselected, Pfad(*dialog, {1, 0, 2}));
    EXPECT_TRUE(Pfad(*dialog, {1, 0})->isExpanded());
    EXPECT_EQ(dialog->EditSollGa->text().toStdString(), "1/0/2");
    dialog->InitTreeView();
    EXPECT_EQ(Kinder(root).size(), 3u) << "filled once";
}

TEST_F(GrpAddrChange, SelectingANodeFollowsTheOkRule) {
    auto dialog = Dialog();
    struct TFall {
        std::vector<int> path;
        bool ok;
    };
    for (const TFall &c : {TFall{{1, 0, 1}, true}, TFall{{1}, false}, TFall{{2, 0, 8}, false},
                           TFall{{1, 1}, false}, TFall{{2, 0, 7}, true}, TFall{{}, false}}) {
        dialog->TreeView->setCurrentItem(Pfad(*dialog, c.path));
        EXPECT_EQ(dialog->ButtonOk->isEnabled(), c.ok) << c.path.size();
    }
}

TEST_F(GrpAddrChange, AFoundSubGroupOfAnotherTypeIsSelectedWithOkDisabled) {
    auto dialog = Dialog();
    dialog->EditSollGa->setText("2.0.8");
    dialog->btnSearchAddClick();
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_EQ(dialog->TreeView->currentItem(), Pfad(*dialog, {2, 0, 8}));
    EXPECT_FALSE(dialog->ButtonOk->isEnabled());
    dialog->EditSollGa->setText("1/0/1");
    dialog->btnSearchAddClick();
    EXPECT_TRUE(dialog->ButtonOk->isEnabled());
    dialog->ButtonOkClick();
    EXPECT_EQ(Word, 0x0801);
    EXPECT_EQ(dialog->ModalResult(), 1);
}

TEST_F(GrpAddrChange, ZeroIsRefusedAndChangesNothing) {
    auto dialog = Dialog();
    dialog->EditSollGa->setText("0/0/0");
    dialog->btnSearchAddClick();
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, Utf8ToAnsi("Ungültige Gruppenadresse"));
    EXPECT_TRUE(NewAddresses.empty());
    EXPECT_EQ(dialog->TreeView->currentItem(), nullptr);
}

TEST_F(GrpAddrChange, ACreatedAddressIsAppendedAndKeptAfterCancel) {
    auto dialog = Dialog();
    Boxes.Answer(IDYES);
    TModalDriverScope driver(NameDialog(""));
    dialog->EditSollGa->setText("1/3/4");
    dialog->btnSearchAddClick();
    EXPECT_EQ(driver.Count(), 1);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text,
              "Die Gruppenadresse [1/3/4] wurde nicht gefunden!\n\nSoll diese angelegt werden?");
    ASSERT_EQ(NewAddresses.size(), 1u);
    EXPECT_EQ(NewAddresses[0].Word, 0x0B04);
    EXPECT_EQ(NewAddresses[0].Name, "Neue Untergruppe");
    EXPECT_EQ(NewAddresses[0].AddrType, 0);
    QTreeWidgetItem *node = Pfad(*dialog, {1, 3, 4});
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->text(0).toStdString(), "[4]Neue Untergruppe");
    EXPECT_EQ(Kinder(Pfad(*dialog, {1})),
              (std::vector<std::string>{"[0] Mittelgruppe 1/0", "[1] Mittelgruppe 1/1",
                                        "[3] Neue Mittelgruppe"}))
        << "sorted again";
    EXPECT_EQ(dialog->TreeView->currentItem(), node);
    EXPECT_TRUE(dialog->ButtonOk->isEnabled());
    dialog->ButtonCancelClick();
    EXPECT_EQ(dialog->ModalResult(), 3);
    EXPECT_EQ(NewAddresses.size(), 1u);
    EXPECT_EQ(Word, 0);
}

TEST_F(GrpAddrChange, NoOrACancelledNameDisablesOk) {
    auto dialog = Dialog();
    Boxes.Answer(IDNO);
    dialog->EditSollGa->setText("1/3/4");
    dialog->btnSearchAddClick();
    EXPECT_FALSE(dialog->ButtonOk->isEnabled());
    dialog->btnNoGroupAddrClick();
    EXPECT_TRUE(dialog->ButtonOk->isEnabled());
    dialog->EditSollGa->setText("1/3/4");
    Boxes.Answer(IDYES);
    TModalDriverScope driver(NameDialog(nullptr));
    dialog->btnSearchAddClick();
    EXPECT_FALSE(dialog->ButtonOk->isEnabled());
    EXPECT_TRUE(NewAddresses.empty());
}

TEST_F(GrpAddrChange, TwoLevelsUseTheElevenBitNumber) {
    Dienste.Levels = 2;
    ASSERT_TRUE(Device->GetGrpAdrFromServer());
    auto dialog = Dialog(false);
    EXPECT_EQ(Kinder(Pfad(*dialog, {1})),
              (std::vector<std::string>{"[1] Licht Flur", "[2] Licht Küche", "[259] Jalousie"}));
    Boxes.Answer(IDYES);
    TModalDriverScope driver(NameDialog("Weit"));
    dialog->EditSollGa->setText("2/1000");
    dialog->btnSearchAddClick();
    ASSERT_EQ(NewAddresses.size(), 1u);
    EXPECT_EQ(NewAddresses[0].Word, 0x13E8);
    QTreeWidgetItem *node = Pfad(*dialog, {2, 1000});
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->text(0).toStdString(), "[1000]Weit");
    dialog->ButtonOkClick();
    EXPECT_EQ(Word, 0x13E8);
    // Typed again, the address is found, not offered a second time.
    auto again = Dialog(false);
    again->EditSollGa->setText("2/1000");
    again->btnSearchAddClick();
    EXPECT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(TFDlgGrpAddrChange::Word(again->TreeView->currentItem()), 0x13E8);
}

TEST_F(GrpAddrChange, EveryKeyInTheFieldDisablesOkAndEnterSearches) {
    auto dialog = Dialog();
    Tippe(dialog->EditSollGa, {{Qt::Key_X, "x"}});
    EXPECT_FALSE(dialog->ButtonOk->isEnabled()) << "also a key that is dropped";
    EXPECT_TRUE(dialog->EditSollGa->text().isEmpty());
    EXPECT_FALSE(dialog->btnSearchAdd->isEnabled());
    Tippe(dialog->EditSollGa, {{Qt::Key_2, "2"},
                               {Qt::Key_Slash, "/"},
                               {Qt::Key_0, "0"},
                               {Qt::Key_Slash, "/"},
                               {Qt::Key_7, "7"}});
    EXPECT_TRUE(dialog->btnSearchAdd->isEnabled());
    EXPECT_FALSE(dialog->ButtonOk->isEnabled());
    Tippe(dialog->EditSollGa, {{Qt::Key_Enter, "\r"}});
    EXPECT_EQ(dialog->TreeView->currentItem(), Pfad(*dialog, {2, 0, 7}));
    EXPECT_TRUE(dialog->ButtonOk->isEnabled());
}

TEST_F(GrpAddrChange, NoAddressGivesZero) {
    Row.SollWord = 0x0801;
    Word = 0x0801;
    auto dialog = Dialog();
    dialog->btnNoGroupAddrClick();
    EXPECT_TRUE(dialog->EditSollGa->text().isEmpty());
    EXPECT_EQ(dialog->TreeView->currentItem(), nullptr);
    EXPECT_TRUE(dialog->ButtonOk->isEnabled());
    dialog->ButtonOkClick();
    EXPECT_EQ(Word, 0);
    EXPECT_EQ(dialog->ModalResult(), 1);
}

TEST_F(GrpAddrChange, ShownByTheDriverTheTreeIsBuilt) {
    Row.SollWord = 0x0801;
    Word = 0x0801;
    TFDlgGrpAddrChange dialog(nullptr, Word, NewAddresses, true, Device->GetMainGroups(),
                              Device->GetMidSubGroups(), &Row);
    TModalDriverScope driver([](TModalDialog &d) {
        auto &change = dynamic_cast<TFDlgGrpAddrChange &>(d);
        change.TreeView->setCurrentItem(TFDlgGrpAddrChange::GetChildTreeNode(
            TFDlgGrpAddrChange::GetChildTreeNode(
                TFDlgGrpAddrChange::GetChildTreeNode(change.Root(), 2), 0),
            7));
        change.ButtonOkClick();
        return change.ModalResult();
    });
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_EQ(Word, 0x1007);
}

} // namespace
