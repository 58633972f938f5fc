// The group-address selection dialog on a temporary project: the lists, moving, the buttons,
// sorting, search and add, OK and cancel, and the device instance opening it.
#include "DialogTestHilfen.h"

#include "deviceinstance/dialogs/TDeviceDialogeQt.h"
#include "deviceinstance/dialogs/TDlgNewGrpAddrName.h"
#include "deviceinstance/dialogs/TDlgSelGrpAddr.h"
#include "foundation/SprTexte.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/WinHelp.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

class SelGrpAddr : public TDialogFixture {
protected:
    SelGrpAddr() {
        Baum();
        Object = MelderObjekt();
        Nodes = Angebot();
    }
    // The dialog with the object's current links.
    std::unique_ptr<TDlgSelGrpAddr> Dialog(int levels = 3) {
        return std::make_unique<TDlgSelGrpAddr>(nullptr, levels, Object, Links, Nodes,
                                                Device->GetGrpAdrOrdner(), Device.get());
    }
    static void Waehle(QTreeWidget *list, const std::vector<int> &rows) {
        list->clearSelection();
        for (int row : rows)
            list->topLevelItem(row)->setSelected(true);
    }

    TEtsObjekt *Object = nullptr;
    std::vector<TObjektBasis::RecGrpAdrId> Links;
    std::map<long, TVumaGrpAdrSub *> Nodes;
};

TEST_F(SelGrpAddr, ListsTheFittingAddressesChoosableAndAssigned) {
    ASSERT_NE(Object, nullptr);
    Links = {{Ids["1/1/3"], 0}};
    auto dialog = Dialog();
    EXPECT_EQ(Zeilen(dialog->ListViewSource), (std::vector<std::string>{"1/0/1", "1/0/2", "2/0/7"}))
        << "2/0/8 carries 1-byte objects, the object is a 1-bit one";
    EXPECT_EQ(Zeilen(dialog->ListViewSource, 1),
              (std::vector<std::string>{"Licht Flur", "Licht Küche", "Alarm"}));
    EXPECT_EQ(Zeilen(dialog->ListViewDest), std::vector<std::string>{"1/1/3"});
    EXPECT_EQ(dialog->Entries().size(), 4u);
    EXPECT_EQ(dialog->ListViewSource->currentItem(), dialog->ListViewSource->topLevelItem(0))
        << "the focus mark";
    EXPECT_TRUE(dialog->ListViewSource->selectedItems().isEmpty());
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Gruppenadressen");
    EXPECT_EQ(dialog->gbSource->title().toStdString(), "Auswählbare Gruppenadressen");
    EXPECT_EQ(dialog->btnSearchAdd->text().toStdString(), "Suchen/Hinzufügen");
    EXPECT_EQ(dialog->ListViewSource->headerItem()->text(0).toStdString(), "Adresse *");
    EXPECT_FALSE(dialog->btnSearchAdd->isEnabled());
}

TEST_F(SelGrpAddr, TheListsTooltipsReachTheScreenInTheirOwnLetters) {
    auto dialog = Dialog();
    EXPECT_EQ(dialog->ListViewSource->toolTip().toStdString(),
              "Diese Gruppenadressen können zur Verbindung mit dem Komm.-Objekt ausgewählt "
              "werden.");
    EXPECT_EQ(dialog->ListViewDest->toolTip().toStdString(),
              "Diese Gruppenadressen wurden bereits zur Verbindung mit dem Komm.-Objekt "
              "ausgewählt.");
}

TEST_F(SelGrpAddr, WithoutObjectOrReaderNothingIsListed) {
    TDlgSelGrpAddr ohne(nullptr, 3, nullptr, Links, Nodes, Device->GetGrpAdrOrdner(), Device.get());
    EXPECT_TRUE(ohne.Entries().empty());
    TDlgSelGrpAddr ohneLeser(nullptr, 3, Object, Links, Nodes, nullptr, Device.get());
    EXPECT_TRUE(ohneLeser.Entries().empty());
}

TEST_F(SelGrpAddr, MovingStopsAtTheLimitWithABox) {
    Object->SetNumberSelectableGrpAdr(1);
    auto dialog = Dialog();
    Waehle(dialog->ListViewSource, {0, 2});
    dialog->btnRightClick();
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text,
              "Die maximale Anzahl an zuweisbaren\nGruppenadressen ist erreicht!");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "Achtung");
    EXPECT_EQ(Boxes.Boxes()[0].style, MB_ICONSTOP);
    EXPECT_EQ(Zeilen(dialog->ListViewDest), std::vector<std::string>{"1/0/1"});
    EXPECT_EQ(Zeilen(dialog->ListViewSource),
              (std::vector<std::string>{"1/0/2", "1/1/3", "2/0/7"}));
    EXPECT_FALSE(dialog->btnRight->isEnabled());
    EXPECT_FALSE(dialog->btnAllRight->isEnabled());
}

TEST_F(SelGrpAddr, MovingBackHasNoLimitAndSortsTheTarget) {
    Links = {{Ids["1/0/1"], 0}, {Ids["2/0/7"], 0}, {Ids["1/0/2"], 0}};
    Object->SetNumberSelectableGrpAdr(1);
    auto dialog = Dialog();
    EXPECT_EQ(Zeilen(dialog->ListViewDest), (std::vector<std::string>{"1/0/1", "1/0/2", "2/0/7"}));
    Waehle(dialog->ListViewDest, {2});
    dialog->btnLeftClick();
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_EQ(Zeilen(dialog->ListViewSource), (std::vector<std::string>{"1/1/3", "2/0/7"}));
    EXPECT_EQ(dialog->ListViewSource->currentItem()->text(0).toStdString(), "2/0/7")
        << "the moved item has the focus mark";
    EXPECT_TRUE(dialog->ListViewSource->selectedItems().isEmpty());
    ASSERT_EQ(dialog->ListViewDest->selectedItems().size(), 1);
    EXPECT_EQ(dialog->ListViewDest->selectedItems()[0]->text(0).toStdString(), "1/0/2")
        << "the source selects the last item when the old index is gone";
    dialog->btnAllLeftClick();
    EXPECT_EQ(dialog->ListViewDest->topLevelItemCount(), 0);
    EXPECT_EQ(dialog->ListViewSource->topLevelItemCount(), 4);
    ASSERT_EQ(dialog->ListViewSource->selectedItems().size(), 1);
    EXPECT_EQ(dialog->ListViewSource->selectedItems()[0], dialog->ListViewSource->topLevelItem(0));
}

TEST_F(SelGrpAddr, DoubleClickMovesTheSelectedRow) {
    auto dialog = Dialog();
    dialog->ListDoubleClick(dialog->ListViewSource);
    EXPECT_EQ(dialog->ListViewDest->topLevelItemCount(), 0) << "no selection, no move";
    Waehle(dialog->ListViewSource, {1});
    dialog->ListDoubleClick(dialog->ListViewSource);
    EXPECT_EQ(Zeilen(dialog->ListViewDest), std::vector<std::string>{"1/0/2"});
    Waehle(dialog->ListViewDest, {0});
    dialog->ListDoubleClick(dialog->ListViewDest);
    EXPECT_EQ(dialog->ListViewDest->topLevelItemCount(), 0);
}

struct TKnopfFall {
    int limit;
    int assigned; // how many of the fitting addresses are linked
    bool sourceSelected;
    bool destSelected;
    const char *text;
    bool right, allRight, left, allLeft, search;
};

class SetButtons : public SelGrpAddr, public ::testing::WithParamInterface<TKnopfFall> {};

TEST_P(SetButtons, FollowTheListsAndTheLimit) {
    const TKnopfFall &c = GetParam();
    const char *order[] = {"1/0/1", "1/0/2", "1/1/3", "2/0/7"};
    for (int i = 0; i < c.assigned; ++i)
        Links.push_back({Ids[order[i]], 0});
    Object->SetNumberSelectableGrpAdr(c.limit);
    auto dialog = Dialog();
    if (c.sourceSelected)
        Waehle(dialog->ListViewSource, {0});
    if (c.destSelected)
        Waehle(dialog->ListViewDest, {0});
    dialog->EditGrpAddr->setText(c.text);
    dialog->SetButtons();
    EXPECT_EQ(dialog->btnRight->isEnabled(), c.right);
    EXPECT_EQ(dialog->btnAllRight->isEnabled(), c.allRight);
    EXPECT_EQ(dialog->btnLeft->isEnabled(), c.left);
    EXPECT_EQ(dialog->btnAllLeft->isEnabled(), c.allLeft);
    EXPECT_EQ(dialog->btnSearchAdd->isEnabled(), c.search);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SetButtons,
    ::testing::Values(TKnopfFall{255, 0, false, false, "", false, true, false, false, false},
                      TKnopfFall{255, 0, true, false, "1", true, true, false, false, true},
                      TKnopfFall{1, 1, true, false, "", false, false, false, true, false},
                      TKnopfFall{1, 1, false, true, "", false, false, true, true, false},
                      TKnopfFall{2, 1, true, true, "", true, true, true, true, false},
                      TKnopfFall{0, 3, true, false, "", true, true, false, true, false},
                      TKnopfFall{-1, 3, false, false, "", false, true, false, true, false},
                      TKnopfFall{255, 4, false, false, "", false, false, false, true, false}));

TEST_F(SelGrpAddr, ColumnClicksToggleTheOrderAndTheCaptions) {
    Adresse(3, 0, 1, "alpha");
    ASSERT_TRUE(Device->GetGrpAdrFromServer());
    Sub("2/0/8")->SetSubAdrTyp(7);
    Nodes = Angebot();
    auto dialog = Dialog();
    QTreeWidget *list = dialog->ListViewSource;
    EXPECT_EQ(Zeilen(list),
              (std::vector<std::string>{"1/0/1", "1/0/2", "1/1/3", "2/0/7", "3/0/1"}));
    dialog->ColumnClick(list, 0);
    EXPECT_FALSE(dialog->Sort(list).Ascending);
    EXPECT_EQ(Zeilen(list),
              (std::vector<std::string>{"3/0/1", "2/0/7", "1/1/3", "1/0/2", "1/0/1"}));
    EXPECT_EQ(list->headerItem()->text(0).toStdString(), "Adresse *");
    dialog->ColumnClick(list, 1);
    EXPECT_TRUE(dialog->Sort(list).Ascending);
    EXPECT_EQ(Zeilen(list, 1),
              (std::vector<std::string>{"Alarm", "alpha", "Jalousie", "Licht Flur", "Licht Küche"}))
        << "names without regard to case";
    EXPECT_EQ(list->headerItem()->text(0).toStdString(), "Adresse");
    EXPECT_EQ(list->headerItem()->text(1).toStdString(), "Name *");
    dialog->ColumnClick(list, 1);
    EXPECT_EQ(Zeilen(list, 1).front(), "Licht Küche");
    EXPECT_EQ(dialog->Sort(dialog->ListViewDest).Column, 0) << "each list sorts by itself";
}

TEST_F(SelGrpAddr, SearchSelectsAChoosableAddressTypedInAnyForm) {
    auto dialog = Dialog();
    dialog->EditGrpAddr->setText(" 01.0.2 ");
    dialog->btnSearchAddClick();
    EXPECT_TRUE(Boxes.Boxes().empty()) << "no not-found question for an address that is listed";
    ASSERT_EQ(dialog->ListViewSource->selectedItems().size(), 1);
    EXPECT_EQ(dialog->ListViewSource->selectedItems()[0]->text(0).toStdString(), "1/0/2");
    EXPECT_EQ(dialog->EditGrpAddr->text().toStdString(), "01.0.2");
    EXPECT_TRUE(dialog->btnRight->isEnabled());
}

TEST_F(SelGrpAddr, SearchSelectsAnAssignedAddressInTheAssignedList) {
    Links = {{Ids["1/1/3"], 0}};
    auto dialog = Dialog();
    dialog->EditGrpAddr->setText("1/1/3");
    dialog->btnSearchAddClick();
    EXPECT_TRUE(Boxes.Boxes().empty());
    ASSERT_EQ(dialog->ListViewDest->selectedItems().size(), 1);
    EXPECT_EQ(dialog->ListViewDest->selectedItems()[0]->text(0).toStdString(), "1/1/3");
}

TEST_F(SelGrpAddr, AnAddressOfAnotherTypeIsNeverAdded) {
    auto dialog = Dialog();
    dialog->EditGrpAddr->setText("2/0/8");
    dialog->btnSearchAddClick();
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text,
              "Die Gruppenadresse [2/0/8] ist fuer diesen Objekt-Typ nicht geeignet!");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "Hinweis");
    EXPECT_EQ(Boxes.Boxes()[0].style, MB_ICONINFORMATION);
    EXPECT_EQ(dialog->ListViewSource->topLevelItemCount(), 4);
}

TEST_F(SelGrpAddr, ADetectorsAddressIsRefusedByTheDevice) {
    Nodes.erase(Ids["2/0/7"]);
    Device->SetMelderGrpAdrToList(Ids["2/0/7"]);
    auto dialog = Dialog();
    dialog->EditGrpAddr->setText("02/0/07");
    dialog->btnSearchAddClick();
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(11094));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(11095));
}

TEST_F(SelGrpAddr, AnInvalidTextChangesNothing) {
    auto dialog = Dialog();
    dialog->EditGrpAddr->setText("1/8/0");
    dialog->btnSearchAddClick();
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, Utf8ToAnsi("Ungültige Gruppenadresse"));
    EXPECT_EQ(dialog->EditGrpAddr->text().toStdString(), "1/8/0");
}

TEST_F(SelGrpAddr, AMissingAddressIsCreatedOnYesWithTheNameTyped) {
    auto dialog = Dialog();
    Boxes.Answer(IDYES);
    TModalDriverScope driver([](TModalDialog &d) {
        auto *name = dynamic_cast<TDlgNewGrpAddrName *>(&d);
        EXPECT_NE(name, nullptr);
        if (!name)
            return 2;
        EXPECT_EQ(name->windowTitle().toStdString(), "Gruppenadresse anlegen");
        EXPECT_EQ(name->LabelPrompt->text().toStdString(),
                  "Geben Sie den Namen der Gruppenadresse ein.");
        name->SetEditText(Utf8ToAnsi("Tür"));
        name->ButtonOkClick();
        return name->ModalResult();
    });
    dialog->EditGrpAddr->setText("3/2/9");
    dialog->btnSearchAddClick();
    EXPECT_EQ(driver.Count(), 1);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text,
              "Die Gruppenadresse [3/2/9] wurde nicht gefunden!\n\nSoll diese angelegt werden?");
    EXPECT_EQ(Boxes.Boxes()[0].style, MB_YESNO | MB_ICONQUESTION);
    ASSERT_EQ(dialog->ListViewSource->selectedItems().size(), 1);
    QTreeWidgetItem *row = dialog->ListViewSource->selectedItems()[0];
    EXPECT_EQ(row->text(0).toStdString(), "3/2/9");
    EXPECT_EQ(row->text(1).toStdString(), "Tür");
    const GrpAddrListEntry *entry = TDlgSelGrpAddr::Entry(row);
    EXPECT_EQ(entry->Word, 3 * 2048 + 2 * 256 + 9);
    int id = 0;
    EXPECT_TRUE(Device->GetGaIdFromGaWord(entry->Word, id));
    EXPECT_EQ(id, entry->Id) << "the project has it";
}

TEST_F(SelGrpAddr, NoOrACancelledNameCreatesNothing) {
    auto dialog = Dialog();
    Boxes.Answer(IDNO);
    dialog->EditGrpAddr->setText("3/2/9");
    dialog->btnSearchAddClick();
    Boxes.Answer(IDYES);
    TModalDriverScope driver(NameDialog(nullptr));
    dialog->btnSearchAddClick();
    EXPECT_EQ(driver.Count(), 1);
    int id = 0;
    EXPECT_FALSE(Device->GetGaIdFromGaWord(3 * 2048 + 2 * 256 + 9, id));
    EXPECT_EQ(dialog->ListViewSource->topLevelItemCount(), 4);
}

TEST_F(SelGrpAddr, ARefusedCreationShowsItsBoxAndAddsNothing) {
    auto dialog = Dialog();
    Db().InjectFailure("TEtsGruppenAdressen::CreateGroupAddress", 1);
    Boxes.Answer(IDYES);
    TModalDriverScope driver(NameDialog(""));
    dialog->EditGrpAddr->setText("3/2/9");
    dialog->btnSearchAddClick();
    ASSERT_EQ(Boxes.Boxes().size(), 2u);
    EXPECT_EQ(Boxes.Boxes()[1].text, "Gruppenadresse [3/2/9] konnte nicht angelegt werden!");
    EXPECT_EQ(Boxes.Boxes()[1].caption, "Hinweis");
    EXPECT_EQ(dialog->ListViewSource->topLevelItemCount(), 4);
    EXPECT_EQ(dialog->Entries().size(), 4u);
}

TEST_F(SelGrpAddr, TwoLevelsSearchAndCreateTheElevenBitNumber) {
    Dienste.Levels = 2;
    ASSERT_TRUE(Device->GetGrpAdrFromServer());
    Nodes = Angebot();
    auto dialog = Dialog(2);
    EXPECT_EQ(Zeilen(dialog->ListViewSource).front(), "1/1");
    dialog->EditGrpAddr->setText("1/259");
    dialog->btnSearchAddClick();
    ASSERT_EQ(dialog->ListViewSource->selectedItems().size(), 1);
    EXPECT_EQ(TDlgSelGrpAddr::Entry(dialog->ListViewSource->selectedItems()[0])->Id, Ids["1/1/3"]);
    Boxes.Answer(IDYES);
    TModalDriverScope driver(NameDialog(""));
    dialog->EditGrpAddr->setText("2/1000");
    dialog->btnSearchAddClick();
    ASSERT_EQ(dialog->ListViewSource->selectedItems().size(), 1);
    EXPECT_EQ(TDlgSelGrpAddr::Entry(dialog->ListViewSource->selectedItems()[0])->Word, 0x13E8);
}

TEST_F(SelGrpAddr, OkGivesTheAssignedIdsInListOrder) {
    Links = {{Ids["2/0/7"], 0x1007}};
    auto dialog = Dialog();
    Waehle(dialog->ListViewSource, {0});
    dialog->btnRightClick();
    dialog->ButtonOkClick();
    EXPECT_EQ(dialog->ModalResult(), 1);
    EXPECT_EQ(Links,
              (std::vector<TObjektBasis::RecGrpAdrId>{{Ids["1/0/1"], 0}, {Ids["2/0/7"], 0}}));
}

TEST_F(SelGrpAddr, CancelAnswersThreeAndLeavesTheVector) {
    Links = {{Ids["2/0/7"], 0x1007}};
    auto dialog = Dialog();
    dialog->btnAllRightClick();
    dialog->ButtonCancelClick();
    EXPECT_EQ(dialog->ModalResult(), 3);
    EXPECT_EQ(Links, (std::vector<TObjektBasis::RecGrpAdrId>{{Ids["2/0/7"], 0x1007}}));
    auto escape = Dialog();
    static_cast<QDialog &>(*escape).reject(); // Escape and the close box
    EXPECT_EQ(escape->ModalResult(), 3);
}

TEST_F(SelGrpAddr, TheAddressFieldTakesDigitsSeparatorsAndBackspaceAndSearchesOnEnter) {
    auto dialog = Dialog();
    Tippe(dialog->EditGrpAddr, {{Qt::Key_1, "1"},
                                {Qt::Key_A, "a"},
                                {Qt::Key_Slash, "/"},
                                {Qt::Key_Semicolon, ";"},
                                {Qt::Key_0, "0"},
                                {Qt::Key_Period, "."},
                                {Qt::Key_3, "3"},
                                {Qt::Key_Backspace, ""},
                                {Qt::Key_2, "2"}});
    EXPECT_EQ(dialog->EditGrpAddr->text().toStdString(), "1/0.2");
    EXPECT_TRUE(dialog->btnSearchAdd->isEnabled());
    Tippe(dialog->EditGrpAddr, {{Qt::Key_Return, "\r"}});
    ASSERT_EQ(dialog->ListViewSource->selectedItems().size(), 1) << "Enter searched";
    EXPECT_EQ(dialog->ListViewSource->selectedItems()[0]->text(0).toStdString(), "1/0/2");
    dialog->EditGrpAddr->clear();
    Tippe(dialog->EditGrpAddr, {{Qt::Key_Space, " "}, {Qt::Key_Comma, ","}, {Qt::Key_Minus, "-"}});
    EXPECT_EQ(dialog->EditGrpAddr->text().toStdString(), " ,-");
}

TEST_F(SelGrpAddr, HelpOpensTheHelpFileAtItsContext) {
    TWinHelpRecorder help;
    auto dialog = Dialog();
    dialog->ButtonHelpClick();
    ASSERT_EQ(help.Calls().size(), 1u);
    EXPECT_EQ(help.Calls()[0].command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(help.Calls()[0].data, 5110u);
    EXPECT_TRUE(help.Calls()[0].file.ends_with("az_deu.hlp")) << help.Calls()[0].file;
}

// The device opens the dialog for its object, the driver answers it, and the links change in
// the project.
TEST_F(SelGrpAddr, LinkingThroughTheDeviceChangesTheProjectsLinks) {
    TDeviceDialogeQt qt;
    Dienste.AndereDialoge = &qt;
    ASSERT_TRUE(Device->LinkToSubGroup(Ids["1/0/1"], Object->GetHandle(), true));
    TModalDriverScope driver([](TModalDialog &d) {
        auto &dialog = dynamic_cast<TDlgSelGrpAddr &>(d);
        EXPECT_EQ(Zeilen(dialog.ListViewDest), std::vector<std::string>{"1/0/1"});
        dialog.ListViewDest->selectAll();
        dialog.btnLeftClick();
        dialog.EditGrpAddr->setText("2/0/7");
        dialog.btnSearchAddClick();
        dialog.btnRightClick();
        dialog.ButtonOkClick();
        return dialog.ModalResult();
    });
    EXPECT_TRUE(Device->OpenDlgGrpAdrToObject(Object));
    EXPECT_EQ(driver.Count(), 1);
    const auto links = Db().Links(Dienste.Project().PanelId());
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].groupAddress, 2 * 2048 + 7);
    ASSERT_EQ(Object->GetSubGroupLinks().size(), 1u);
    EXPECT_EQ(Object->GetSubGroupLinks()[0].SubGroupId, Ids["2/0/7"]);
    Dienste.AndereDialoge = nullptr;
}

TEST_F(SelGrpAddr, CancelThroughTheDeviceKeepsTheLinks) {
    TDeviceDialogeQt qt;
    Dienste.AndereDialoge = &qt;
    ASSERT_TRUE(Device->LinkToSubGroup(Ids["1/0/1"], Object->GetHandle(), true));
    TModalDriverScope driver([](TModalDialog &d) {
        auto &dialog = dynamic_cast<TDlgSelGrpAddr &>(d);
        dialog.btnAllLeftClick();
        dialog.ButtonCancelClick();
        return dialog.ModalResult();
    });
    EXPECT_TRUE(Device->OpenDlgGrpAdrToObject(Object));
    EXPECT_EQ(Db().Links(Dienste.Project().PanelId()).size(), 1u);
    Dienste.AndereDialoge = nullptr;
}

// The group tree cannot be read: the device opens the real dialog all the same, it lists
// nothing and a typed address finds nothing; OK keeps the object's links.
TEST_F(SelGrpAddr, WithoutTheGroupTreeTheDialogOpensEmptyAndOkKeepsTheLinks) {
    TDeviceDialogeQt qt;
    Dienste.AndereDialoge = &qt;
    ASSERT_TRUE(Device->LinkToSubGroup(Ids["1/0/1"], Object->GetHandle(), true));
    Db().InjectFailure("TEtsGruppenAdressen::Einlesen", 2);
    ASSERT_FALSE(Device->GetGrpAdrFromServer());
    Boxes.Clear();
    TModalDriverScope driver([](TModalDialog &d) {
        auto &dialog = dynamic_cast<TDlgSelGrpAddr &>(d);
        EXPECT_EQ(dialog.ListViewSource->topLevelItemCount(), 0);
        EXPECT_EQ(dialog.ListViewDest->topLevelItemCount(), 0);
        dialog.EditGrpAddr->setText("1/0/2");
        dialog.btnSearchAddClick();
        EXPECT_EQ(dialog.ListViewSource->topLevelItemCount(), 0);
        dialog.ButtonOkClick();
        return dialog.ModalResult();
    });
    EXPECT_TRUE(Device->OpenDlgGrpAdrToObject(Object));
    EXPECT_EQ(driver.Count(), 1);
    EXPECT_TRUE(Boxes.Boxes().empty());
    const auto links = Db().Links(Dienste.Project().PanelId());
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].groupAddress, 1 * 2048 + 1);
    ASSERT_EQ(Object->GetSubGroupLinks().size(), 1u);
    EXPECT_EQ(Object->GetSubGroupLinks()[0].SubGroupId, Ids["1/0/1"]);
    Dienste.AndereDialoge = nullptr;
}

} // namespace
