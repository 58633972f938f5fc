// The detector items of the Projektierung menu by the selected object, as one table, and the
// window commands' layouts of the project windows.
#include "TTestObjekt.h"
#include "TestHilfen.h"

#include "objectmodel/TAzMelder.h"
#include "shell/FensterAnordnung.h"
#include "shell/TMelderMenue.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <functional>

namespace {

class MelderMenue : public VollesFenster {
protected:
    // The first detector of the tree.
    TDataBasis *Melder() {
        TTreeNode *n = KnotenTyp(W->Tree, 6124);
        return n ? dynamic_cast<TAzMelder *>(n->Data()) : nullptr;
    }
};

TEST_F(MelderMenue, TheItemsBySelectedObject) {
    using M = TMelderMenue;
    const M bereich{true, false, false, true};
    const M melder{false, true, true, false};
    const M aus{};
    // The full panel has no wired input: one of its own, of that kind.
    TAzMelder draht(H.GetHandle(), 1, 0, "Draht", 9005);
    ASSERT_TRUE(draht.SetMelderBereich(T_DB_EnumAzMelder::eVerdrahtet));
    ASSERT_EQ(draht.GetMelderBereich(), T_DB_EnumAzMelder::eVerdrahtet);
    TTestObjekt fremd6124(9001, 0, "kein Melder", 6124);
    TTestObjekt objekt806(9002, 0, "Objekt", 806);
    TTestObjekt system(9003, 0, "System", 105);
    TTestObjekt ordner(9004, 0, "Ordner", 6122);
    const struct {
        const char *name;
        std::function<TDataBasis *()> objekt;
        std::optional<M> expected;
    } cases[] = {
        {"nothing", [] { return nullptr; }, std::nullopt},
        {"fire area", [&] { return KnotenTyp(W->Tree, 6123)->Data(); }, bereich},
        {"hold-up area", [&] { return KnotenTyp(W->Tree, 6125)->Data(); }, bereich},
        {"area 1", [&] { return KnotenTyp(W->Tree, 6127)->Data(); }, bereich},
        {"area 2", [&] { return KnotenTyp(W->Tree, 6128)->Data(); }, bereich},
        {"area 3", [&] { return KnotenTyp(W->Tree, 6129)->Data(); }, bereich},
        {"area 4", [&] { return KnotenTyp(W->Tree, 6130)->Data(); }, bereich},
        {"detector", [&] { return Melder(); }, melder},
        {"wired input", [&] { return &draht; }, aus},
        {"6124 but no detector", [&] { return &fremd6124; }, aus},
        {"bus object", [&] { return &objekt806; }, aus},
        {"system", [&] { return &system; }, aus},
        {"folder", [&] { return &ordner; }, aus},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TDataBasis *objekt = c.objekt();
        if (std::string(c.name) != "nothing") {
            ASSERT_NE(objekt, nullptr);
        }
        const auto got = MelderMenueZustand(objekt);
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (got) {
            EXPECT_EQ(got->Hinzufuegen, c.expected->Hinzufuegen);
            EXPECT_EQ(got->Loeschen, c.expected->Loeschen);
            EXPECT_EQ(got->Kopieren, c.expected->Kopieren);
            EXPECT_EQ(got->Einfuegen, c.expected->Einfuegen);
        }
        // Applied to four items that start the other way round.
        QAction add, del, copy, paste;
        const bool vorher = !(c.expected ? c.expected->Hinzufuegen : false);
        for (QAction *a : {&add, &del, &copy, &paste})
            a->setEnabled(vorher);
        SetzeMelderMenue(got, &add, &del, &copy, &paste);
        if (c.expected) {
            EXPECT_EQ(add.isEnabled(), c.expected->Hinzufuegen);
            EXPECT_EQ(del.isEnabled(), c.expected->Loeschen);
            EXPECT_EQ(copy.isEnabled(), c.expected->Kopieren);
            EXPECT_EQ(paste.isEnabled(), c.expected->Einfuegen);
        } else {
            for (QAction *a : {&add, &del, &copy, &paste})
                EXPECT_EQ(a->isEnabled(), vorher) << "nothing selected: the items stay";
        }
    }
}

class Fensteranordnung : public ::testing::Test {
protected:
    Fensteranordnung() {
        Area.resize(900, 600);
        Area.show();
        QApplication::processEvents();
        for (int i = 0; i < 3; ++i) {
            QMdiSubWindow *w = Area.addSubWindow(new QWidget);
            w->setMinimumSize(10, 10);
            w->resize(200, 150);
            w->show();
            Fenster.push_back(w);
        }
        QApplication::processEvents();
    }
    QRect Viewport() const { return Area.viewport()->rect(); }
    QMdiArea Area;
    std::vector<QMdiSubWindow *> Fenster;
};

TEST_F(Fensteranordnung, SideBySideAndOneAboveTheOther) {
    const QRect v = Viewport();
    const int b = v.width() / 3, h = v.height() / 3;
    const struct {
        const char *name;
        void (*anordnen)(QMdiArea &);
        std::vector<QRect> expected;
    } cases[] = {
        {"side by side",
         Nebeneinander,
         {QRect(0, 0, b, v.height()), QRect(b, 0, b, v.height()),
          QRect(2 * b, 0, v.width() - 2 * b, v.height())}},
        {"one above the other",
         Uebereinander,
         {QRect(0, 0, v.width(), h), QRect(0, h, v.width(), h),
          QRect(0, 2 * h, v.width(), v.height() - 2 * h)}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Fenster[1]->showMaximized();
        c.anordnen(Area);
        QApplication::processEvents();
        for (size_t i = 0; i < Fenster.size(); ++i)
            EXPECT_EQ(Fenster[i]->geometry(), c.expected[i]) << i;
    }
}

TEST_F(Fensteranordnung, MinimizedWindowsStayOutOfTheTilesAndLineUpAtTheBottom) {
    Fenster[0]->showMinimized();
    Fenster[2]->showMinimized();
    QApplication::processEvents();
    Nebeneinander(Area);
    EXPECT_EQ(Fenster[1]->geometry(), QRect(0, 0, Viewport().width(), Viewport().height()))
        << "the one open window takes the whole area";
    // Move the icons away, then arrange them.
    Fenster[0]->move(300, 40);
    Fenster[2]->move(10, 10);
    SymboleAnordnen(Area);
    QApplication::processEvents();
    const QRect a = Fenster[0]->geometry(), c = Fenster[2]->geometry();
    EXPECT_EQ(a.left(), 0);
    EXPECT_EQ(a.bottom() + 1, Viewport().height());
    EXPECT_EQ(c.left(), a.right() + 1) << "next to the first, in creation order";
    EXPECT_EQ(c.bottom() + 1, Viewport().height());
    EXPECT_TRUE(Fenster[0]->isMinimized());
}

TEST_F(Fensteranordnung, CascadeIsTheAreasOwn) {
    Area.cascadeSubWindows();
    QApplication::processEvents();
    EXPECT_LT(Fenster[0]->geometry().top(), Fenster[1]->geometry().top());
    EXPECT_LT(Fenster[1]->geometry().top(), Fenster[2]->geometry().top());
}

TEST_F(Fensteranordnung, NoWindowsNothingToDo) {
    QMdiArea leer;
    leer.resize(300, 200);
    Nebeneinander(leer);
    Uebereinander(leer);
    SymboleAnordnen(leer);
    EXPECT_TRUE(leer.subWindowList().isEmpty());
}

} // namespace
