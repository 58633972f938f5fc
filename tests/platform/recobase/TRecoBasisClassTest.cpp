// The folder base: a folder reconstructor keeps what it was made with and is deleted through
// the base.
#include "platform/recobase/TRecoBasisClass.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class TOrdner : public TRecoBasisClass {
public:
    TOrdner(TRecoDataManagament *daten, TVumaDatenbank *db, TRecoErrors *errors, bool *deleted)
        : TRecoBasisClass(daten, daten, db, "Anzeige", errors), FDeleted(deleted) {}
    ~TOrdner() override { *FDeleted = true; }
    // One record named after the folder, with the byte at the reader's first address.
    bool RecoParameter() override {
        unsigned char b = 0;
        TDatenStruktur *r = FDatenbank ? FDatenbank->CreateDatensatz(1, 6142, 1) : nullptr;
        if (!r || !FDaten1->GetByteFromAddr(FDaten1->First(), b))
            return false;
        r->Name = FName;
        r->Param3 = b;
        FErrors->ErrorDefaultParam(FName, "Wert", "1", "");
        return true;
    }

private:
    bool *FDeleted;
};

TEST(RecoBasisClass, AFolderWorksOnWhatItWasMadeWithAndIsDeletedThroughTheBase) {
    TMemoryStream stream;
    stream.WriteBuffer("\x07", 1);
    TRecoDataManagament daten(&stream, 0xBE23, 0xBE23, 0, false);
    TVumaDatenbank db;
    TRecoErrors errors;
    bool deleted = false;
    std::unique_ptr<TRecoBasisClass> folder =
        std::make_unique<TOrdner>(&daten, &db, &errors, &deleted);
    ASSERT_TRUE(folder->RecoParameter());
    ASSERT_EQ(db.Count(), 1);
    EXPECT_EQ(db.Find(1)->Name, "Anzeige");
    EXPECT_EQ(db.Find(1)->Param3, 7);
    ASSERT_EQ(errors.Eintraege().size(), 1u);
    EXPECT_EQ(errors.Eintraege()[0].Objekt, "Anzeige");
    folder.reset();
    EXPECT_TRUE(deleted);

    TOrdner ohne(&daten, nullptr, &errors, &deleted);
    EXPECT_FALSE(ohne.RecoParameter());
}

} // namespace
