// The main window's tree and window services, and the rebuild bracket over the project
// windows.
#include "TTestFormMain.h"
#include "deviceinstance/TDeviceInstanz.h"
#include "platform/objectbase/TDataBasis.h"
#include "shell/TBaumNeuaufbau.h"
#include "shell/TCtrlTree.h"
#include "shell/TDM.h"
#include "shell/TFormVerw.h"
#include "shell/TTreeNode.h"
#include "shell/TTreeView.h"

#include <gtest/gtest.h>

TEST(FormMainBaum, WithoutAProjectWindowNothingIsDone) {
    TTestFormMain f;
    ASSERT_EQ(f.Main->GetActiveFormVerw(), nullptr);
    EXPECT_EQ(f.Main->GetActiveFormVerv(), nullptr);
    EXPECT_EQ(f.Main->GetSelTreeData(), nullptr);
    EXPECT_EQ(f.Main->GetGrpAdrOrdner(), nullptr);
    EXPECT_FALSE(f.Main->MakeNode(nullptr, nullptr));
    EXPECT_FALSE(f.Main->CheckGrpAdrOrdner());
    f.Main->DeactivateActiveGridCell();
    f.Main->AbgleichFormVerw(nullptr);
    TBaumNeuaufbau bracket(*f.Main, TBaumNeuaufbau::GitterLeeren);
    EXPECT_FALSE(bracket.Aktiv());
}

TEST(FormMainBaum, TheCopyDeviceStatusIsTheDataModules) {
    TTestFormMain f;
    for (bool status : {true, false}) {
        f.Main->SetStatusOnCopyDevice(status);
        EXPECT_EQ(f.DM->CopyDevice, status);
        EXPECT_EQ(f.Main->GetStatusOnCopyDevice(), status);
        EXPECT_EQ(f.Main->GetSonderzustand(), status);
    }
}

TEST(FormMainBaum, TheServicesWorkOnTheActiveWindow) {
    TTestFormMain f;
    ASSERT_TRUE(f.Oeffne());
    TFormVerw *w = f.Main->GetActiveFormVerw();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(f.Main->GetActiveFormVerv(), w);
    TTreeNode *root = w->Tree->TopNode(0);
    ASSERT_NE(root, nullptr);
    w->Tree->setCurrentItem(root);
    EXPECT_EQ(f.Main->GetSelTreeData(), root->Data());
    EXPECT_EQ(f.Main->GetGrpAdrOrdner(), w->CtrlTree()->GrpAdrFolderNode());
    EXPECT_TRUE(f.Main->CheckGrpAdrOrdner());
}

TEST(FormMainBaum, TheBracketHoldsEveryTreeAndEmptiesTheActiveOne) {
    TTestFormMain f;
    ASSERT_TRUE(f.Oeffne());
    TFormVerw *w = f.Main->GetActiveFormVerw();
    ASSERT_NE(w, nullptr);
    ASSERT_GT(w->Tree->topLevelItemCount(), 0);
    {
        TBaumNeuaufbau bracket(*f.Main, TBaumNeuaufbau::EditorAbbrechen);
        EXPECT_TRUE(bracket.Aktiv());
        for (TFormVerw *x : f.Main->FormVerwList())
            EXPECT_TRUE(x->CtrlTree()->IsUpdating());
        EXPECT_EQ(w->Tree->topLevelItemCount(), 0);
        // What is built inside is sorted once the bracket ends.
        w->InitData(f.Main->AktDevInst()->GetObjekte(), f.Main->GetHandle());
    }
    for (TFormVerw *x : f.Main->FormVerwList())
        EXPECT_FALSE(x->CtrlTree()->IsUpdating());
    EXPECT_GT(w->Tree->topLevelItemCount(), 0);
}

TEST(FormMainBaum, TheBracketEndsOnAnException) {
    TTestFormMain f;
    ASSERT_TRUE(f.Oeffne());
    TFormVerw *w = f.Main->GetActiveFormVerw();
    EXPECT_THROW(
        {
            TBaumNeuaufbau bracket(*f.Main, TBaumNeuaufbau::GitterLeeren);
            throw std::runtime_error("Abbruch");
        },
        std::runtime_error);
    EXPECT_FALSE(w->CtrlTree()->IsUpdating());
}
