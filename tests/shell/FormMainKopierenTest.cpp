// The detector clipboard on the main window: a detector copied in one device pastes into a
// security area of another; the clipboard's format, its bytes, what stays on it, and data the
// paste does not see.
#include "TTestFormMain.h"
#include "TestHilfen.h"
#include "deviceinstance/TDeviceInstanzAz.h"
#include "foundation/SprTexte.h"
#include "objectmodel/TAzMelder.h"
#include "platform/vcl/TStringList.h"
#include "shell/QtText.h"
#include "shell/TCtrlTree.h"
#include "shell/TDM.h"
#include "shell/TFormVerw.h"
#include "shell/TTreeView.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <list>

namespace {
constexpr int kTypMelder = 6124;
constexpr int kTypSb1 = 6127;

class FormMainKopieren : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::clipboard()->clear();
        ASSERT_TRUE(F.Oeffne());
        W = F.Main->GetActiveFormVerw();
        ASSERT_NE(W, nullptr);
        Zeige(F.Main.get());
    }
    void TearDown() override { QApplication::clipboard()->clear(); }

    TDeviceInstanzAz *Geraet() const {
        return dynamic_cast<TDeviceInstanzAz *>(F.Main->AktDevInst());
    }
    QString Format() const {
        return "application/x-az;version=" + ToQString(F.Main->AktDevInst()->GetVersion());
    }
    // Selects the node and gives the tree the focus, as a click would.
    void Waehle(TTreeNode *node) {
        ASSERT_NE(node, nullptr);
        W->Tree->setCurrentItem(node);
        W->Tree->setFocus();
        DeliverPostedMessages();
    }
    // The keys the user presses in the tree.
    void Taste(Qt::Key key) {
        QTest::keyClick(W->Tree, key, Qt::ControlModifier);
        DeliverPostedMessages();
    }
    // A second panel in the same project, opened in the project window; its id.
    long ZweitesGeraet() {
        TProjectDatabase &db = F.Project.Database();
        const long id = db.AddPanelDevice(db.EnsureLine(1, 1), 2, "Zweite");
        EXPECT_TRUE(F.Main->OpenVumaVisible(id));
        DeliverPostedMessages();
        return id;
    }
    // The first detector of a security area (one of another area does not paste there).
    TTreeNode *MelderImSicherungsBereich() {
        for (int i = 0; TTreeNode *n = KnotenTyp(W->Tree, kTypMelder, i); ++i)
            if (TTreeNode *p = n->Parent(); p && p->Data() && p->Data()->GetTyp() >= kTypSb1 &&
                                            p->Data()->GetTyp() <= kTypSb1 + 3)
                return n;
        return nullptr;
    }
    // The smallest detector number the device has not given out.
    static int ErsteFreieNummer(const TDeviceInstanzAz &device) {
        const std::list<int> &used = device.GetMelderNrUsed();
        for (int n = 1;; ++n)
            if (std::find(used.begin(), used.end(), n) == used.end())
                return n;
    }
    // The text the copy of the object puts on the clipboard, without its zero byte.
    AnsiString KopieText(TDataBasis *object) {
        TStringList lines;
        EXPECT_EQ(F.Main->AktDevInst()->GetCopyData(object, &lines), 1);
        return lines.Text();
    }

    TTestFormMain F;
    TFormVerw *W = nullptr;
};

TEST_F(FormMainKopieren, ADetectorCopiedInOneDevicePastesIntoAnAreaOfAnother) {
    TTreeNode *melder = MelderImSicherungsBereich();
    Waehle(melder);
    const AnsiString text = KopieText(melder->Data());
    Taste(Qt::Key_C);
    const QMimeData *data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat(Format())) << data->formats().join(",").toStdString();
    // Exactly the list's text and one zero byte, the bytes as they are.
    const QByteArray bytes = data->data(Format());
    EXPECT_EQ(std::string(bytes.constData(), static_cast<size_t>(bytes.size())),
              text + std::string(1, '\0'));
    const long quelle = F.Main->AktDevInst()->GetDeviceId();
    const int quelleVorher = Geraet()->GetAnzahlMelder();

    const long ziel = ZweitesGeraet();
    ASSERT_NE(ziel, quelle);
    TDeviceInstanzAz *b = Geraet();
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->GetDeviceId(), ziel);
    const int vorher = b->GetAnzahlMelder();
    const int baumVorher = AnzahlTyp(W->Tree, kTypMelder);
    const int nummer = ErsteFreieNummer(*b);
    TTreeNode *bereich = KnotenTyp(W->Tree, kTypSb1);
    Waehle(bereich);
    const size_t boxen = F.Boxen.Boxes().size();
    Taste(Qt::Key_V);
    EXPECT_EQ(F.Boxen.Boxes().size(), boxen);
    for (const auto &box : F.Boxen.Boxes())
        ADD_FAILURE() << box.caption << ": " << box.text;
    EXPECT_EQ(b->GetAnzahlMelder(), vorher + 1);
    TAzMelder *neu = b->GetPointerInstMelder(nummer);
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->GetSicherungsBereichMelder(), 1);
    // The tree shows it, under the area, with its own name, and no update is left open.
    EXPECT_EQ(AnzahlTyp(W->Tree, kTypMelder), baumVorher + 1);
    bereich = KnotenTyp(W->Tree, kTypSb1);
    ASSERT_NE(bereich, nullptr);
    TTreeNode *knoten = W->CtrlTree()->GetNodeFromData(neu);
    ASSERT_NE(knoten, nullptr);
    EXPECT_EQ(knoten->Parent(), bereich);
    EXPECT_EQ(FromQString(knoten->text(0)), neu->GetName(true));
    EXPECT_FALSE(W->CtrlTree()->IsUpdating());
    // The source device is not touched.
    auto *a = dynamic_cast<TDeviceInstanzAz *>(F.Main->DeviceInstanzen().at(quelle).get());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->GetAnzahlMelder(), quelleVorher);
}

TEST_F(FormMainKopieren, TheCopyKeepsTheOtherFormatsAndCopiesOnlyWhatCanBeCopied) {
    QApplication::clipboard()->setText("fremd");
    // Nothing selected, then an area (which the device does not copy): the clipboard stays.
    W->Tree->setCurrentItem(nullptr);
    F.Main->Kopieren();
    Waehle(KnotenTyp(W->Tree, kTypSb1));
    F.DM->Execute(TDM::ACopy);
    const QMimeData *data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->formats(), QStringList{"text/plain"});
    EXPECT_EQ(QApplication::clipboard()->text(), "fremd");

    Waehle(KnotenTyp(W->Tree, kTypMelder));
    ASSERT_TRUE(F.DM->Action(TDM::AMelderKopieren)->isEnabled());
    F.DM->Action(TDM::AMelderKopieren)->trigger();
    data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(Format()));
    EXPECT_EQ(QApplication::clipboard()->text(), "fremd");
}

// Data the paste does not see is nothing to paste: no box, nothing made.
TEST_F(FormMainKopieren, DataOfAnotherVersionAndPlainTextAreNotSeen) {
    TTreeNode *melder = MelderImSicherungsBereich();
    ASSERT_NE(melder, nullptr);
    const AnsiString text = KopieText(melder->Data());
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    bytes.append('\0');
    const QString fremdeVersion = Format() + "x";
    struct TFall {
        const char *Name;
        QString Format;
    };
    const TFall faelle[] = {{"another version", fremdeVersion}, {"plain text", "text/plain"}};
    TDeviceInstanzAz *device = Geraet();
    ASSERT_NE(device, nullptr);
    for (const TFall &fall : faelle) {
        SCOPED_TRACE(fall.Name);
        auto *data = new QMimeData;
        data->setData(fall.Format, bytes);
        QApplication::clipboard()->setMimeData(data);
        Waehle(KnotenTyp(W->Tree, kTypSb1));
        const int vorher = device->GetAnzahlMelder();
        F.Boxen.Clear();
        ASSERT_TRUE(F.DM->Action(TDM::AMelderEinfuegen)->isEnabled());
        F.DM->Action(TDM::AMelderEinfuegen)->trigger();
        DeliverPostedMessages();
        EXPECT_EQ(F.BoxTexte(), std::vector<std::string>{});
        EXPECT_EQ(device->GetAnzahlMelder(), vorher);
        EXPECT_FALSE(W->CtrlTree()->IsUpdating());
    }
}

// The paste key onto what takes no detector, with a copy whose children are missing, at the
// detector limit and with a copy that holds no detector: only the last is reported as
// cancelled; the others show their own box or none.
TEST_F(FormMainKopieren, APasteTheDeviceEndsIsNotReportedAsCancelled) {
    TTreeNode *melder = MelderImSicherungsBereich();
    ASSERT_NE(melder, nullptr);
    const AnsiString ganz = KopieText(melder->Data());
    TDeviceInstanzAz *device = Geraet();
    ASSERT_NE(device, nullptr);
    const AnsiString nurMelder = device->GetDatenSatz(melder->Data())->GetDatensatzZeile() + "\r\n";
    struct TFall {
        const char *Name;
        int ZielTyp;
        AnsiString Text;
        std::vector<std::string> Boxen;
        int NeueMelder;
        bool Voll = false; // all detector numbers used first
    };
    const TFall faelle[] = {
        {"onto a bus object", 806, ganz, {}, 0},
        {"onto the fire area", 6123, ganz, {SprText(11222)}, 0},
        {"without the children's records", kTypSb1, nurMelder, {}, 1},
        {"no detector in the copy",
         kTypSb1,
         "",
         {"Erlaubter Datentyp wurde nicht gefunden", SprText(9120)},
         0},
        {"at the detector limit", kTypSb1, ganz, {SprText(9006)}, 0, true},
    };
    for (const TFall &fall : faelle) {
        SCOPED_TRACE(fall.Name);
        if (fall.Voll) {
            TDataBasis *bereich = KnotenTyp(W->Tree, kTypSb1)->Data();
            while (device->GetMelderNrUsed().size() < 160)
                ASSERT_TRUE(device->CreateAzMelder(F.Main->GetHandle(), bereich, true, 3));
        }
        QByteArray bytes(fall.Text.data(), static_cast<qsizetype>(fall.Text.size()));
        bytes.append('\0');
        auto *data = new QMimeData;
        data->setData(Format(), bytes);
        QApplication::clipboard()->setMimeData(data);
        Waehle(KnotenTyp(W->Tree, fall.ZielTyp));
        const int vorher = device->GetAnzahlMelder();
        F.Boxen.Clear();
        Taste(Qt::Key_V); // the menu offers no paste on a bus object, the key does
        EXPECT_EQ(F.BoxTexte(), fall.Boxen);
        EXPECT_EQ(device->GetAnzahlMelder(), vorher + fall.NeueMelder);
        EXPECT_EQ(AnzahlTyp(W->Tree, kTypMelder), device->GetAnzahlMelder());
        EXPECT_FALSE(W->CtrlTree()->IsUpdating());
    }
}

} // namespace
