// The object manager on the bus tables of a fixture panel (the object table of its product
// data, group addresses and associations set by the test).
#include "platform/recobase/TRecoObjectManagement.h"
#include "TPanelImageFixture.h"
#include "platform/bustool/DalRecords.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ObjectManager : public ::testing::Test {
protected:
    ObjectManager() {
        Panel.SetGruppenAdressen({0x0901, 0x0902, 0x0A03});
        // Object 166 on three addresses (it sends on the first), 223 on one, object 0 on an
        // index that is no group-address entry, and on the own address (index 0).
        Panel.SetAssoziationen({{2, 166}, {1, 223}, {3, 166}, {4, 0}, {0, 0}, {1, 166}});
        Make(Objekte, 0x43FC, 0x479B);
        Make(Adressen, 0x4000, 0x4000 + 2 * 4);
        Make(Assoziationen, 0x41FF, 0x43FB);
        Manager = std::make_unique<TRecoObjectManagement>(
            ObjekteReader.get(), AdressenReader.get(), AssoziationenReader.get(), &Datenbank,
            &Errors, 0x43FC, 3, 4, 2, 3, false, 0, 0, 0, 0, 0, false, 1, 2, 1);
    }
    void Make(TMemoryStream &stream, uint32_t first, uint32_t last) {
        stream.WriteBuffer(Panel.Image().data() + first, last - first + 1);
        auto reader = std::make_unique<TRecoDataManagament>(&stream, first, last, 0, false);
        if (&stream == &Objekte)
            ObjekteReader = std::move(reader);
        else if (&stream == &Adressen)
            AdressenReader = std::move(reader);
        else
            AssoziationenReader = std::move(reader);
    }

    TPanelImageFixture Panel;
    TMemoryStream Objekte, Adressen, Assoziationen;
    std::unique_ptr<TRecoDataManagament> ObjekteReader, AdressenReader, AssoziationenReader;
    TVumaDatenbank Datenbank;
    TRecoErrors Errors;
    std::unique_ptr<TRecoObjectManagement> Manager;
};

TEST_F(ObjectManager, ObjectDataAreTheFlagsTypeAndLengthOfTheTable) {
    struct Case {
        int objekt;
        unsigned flags;
        int typ;
        int bits;
    };
    const Case cases[] = {
        {0, ETS_FLAG_COMM | ETS_FLAG_WRITE, 0, 1},
        {219, ETS_FLAG_COMM | ETS_FLAG_TRANS, 14, 112},
        {223, ETS_FLAG_COMM | ETS_FLAG_WRITE | ETS_FLAG_TRANS, 9, 24},
        {230, ETS_FLAG_COMM | ETS_FLAG_TRANS, 0, 1},
    };
    for (const Case &c : cases) {
        unsigned char flags = 0, typ = 0, bits = 0;
        ASSERT_TRUE(Manager->GetObjektData(c.objekt, flags, typ, bits)) << c.objekt;
        EXPECT_EQ(flags, c.flags) << c.objekt;
        EXPECT_EQ(typ, c.typ) << c.objekt;
        EXPECT_EQ(bits, c.bits) << c.objekt;
    }
    unsigned char flags = 0, typ = 0, bits = 0;
    EXPECT_FALSE(Manager->GetObjektData(231, flags, typ, bits)) << "not below the count";
    EXPECT_FALSE(Manager->GetObjektData(-1, flags, typ, bits));
}

TEST_F(ObjectManager, LengthsInBitsFollowTheTypeCodes) {
    const int bits[] = {1, 2, 3, 4, 5, 6, 7, 8, 16, 24, 32, 48, 64, 80, 112, 0};
    for (int code = 0; code < 16; ++code)
        EXPECT_EQ(TRecoObjectManagement::LengthInBits(static_cast<unsigned char>(code)), bits[code])
            << code;
    EXPECT_EQ(TRecoObjectManagement::LengthInBits(16), 0);
}

TEST_F(ObjectManager, GroupAddressesAreThoseOfTheObjectsAssociationsInTableOrder) {
    bool found = false;
    std::vector<unsigned short> first, second{7};
    ASSERT_TRUE(Manager->GetObjektGroupAddresses(166, found, first, second));
    EXPECT_TRUE(found);
    EXPECT_EQ(first, std::vector<unsigned short>({0x0902, 0x0A03, 0x0901}));
    EXPECT_TRUE(second.empty());

    ASSERT_TRUE(Manager->GetObjektGroupAddresses(223, found, first, second));
    EXPECT_EQ(first, std::vector<unsigned short>({0x0901}));

    // Index 4 is beyond the table's four entries, index 0 the own physical address.
    ASSERT_TRUE(Manager->GetObjektGroupAddresses(0, found, first, second));
    EXPECT_FALSE(found);
    EXPECT_TRUE(first.empty());

    ASSERT_TRUE(Manager->GetObjektGroupAddresses(5, found, first, second));
    EXPECT_FALSE(found);
    EXPECT_FALSE(Manager->GetObjektGroupAddresses(231, found, first, second));
}

TEST_F(ObjectManager, AnObjectsRecordCarriesItsSendingAddressAndChainsTheOthers) {
    ASSERT_TRUE(Manager->RecoObjekt(166, 7, "Scharf", "", 2, 0, 1, 1650, 1, 15, 0, 0, 0));
    ASSERT_EQ(Datenbank.Count(), 3);
    const TDatenStruktur &o = *Datenbank.Find(1);
    EXPECT_EQ(o.Typ, 806);
    EXPECT_EQ(o.System, 1);
    EXPECT_EQ(o.Parent, 7);
    EXPECT_EQ(o.Name, "Scharf");
    EXPECT_EQ(o.Param1, 2);
    EXPECT_EQ(o.Param3, 1);
    EXPECT_EQ(o.Param4, 166);
    EXPECT_EQ(o.Param8, 1) << "type code 0 + 1";
    EXPECT_EQ(o.Param15, 0x0902);
    EXPECT_EQ(o.Param16, 1650);
    EXPECT_EQ(o.Param17, 1);
    EXPECT_EQ(o.Param14, 0);
    ASSERT_EQ(o.Next, 2);
    const TDatenStruktur &a = *Datenbank.Find(2);
    EXPECT_EQ(a.Typ, 2);
    EXPECT_EQ(a.Parent, 1);
    EXPECT_EQ(a.Param15, 0x0A03);
    ASSERT_EQ(a.Next, 3);
    const TDatenStruktur &b = *Datenbank.Find(3);
    EXPECT_EQ(b.Typ, 2);
    EXPECT_EQ(b.Parent, 1);
    EXPECT_EQ(b.Param15, 0x0901);
    EXPECT_EQ(b.Next, 0);

    // An object without address gets no chain and no sending address; its type is kept.
    ASSERT_TRUE(Manager->RecoObjekt(219, 9, "", "", 219, 0, -1, 6100, 1, 15, 0, 0, 0));
    ASSERT_EQ(Datenbank.Count(), 4);
    EXPECT_EQ(Datenbank.Find(4)->Param15, 0);
    EXPECT_EQ(Datenbank.Find(4)->Param8, 15);
    EXPECT_EQ(Datenbank.Find(4)->Next, 0);
}

TEST_F(ObjectManager, NoRecordForAnObjectBeyondTheCountWithoutDatabaseOrRoomForIt) {
    EXPECT_FALSE(Manager->RecoObjekt(231, 1, "", "", 0, 0, 1, 0, 1, 15, 0, 0, 0));
    EXPECT_EQ(Datenbank.Count(), 0);

    Datenbank.SetLimit(2);
    EXPECT_FALSE(Manager->RecoObjekt(166, 1, "", "", 0, 0, 1, 0, 1, 15, 0, 0, 0))
        << "the third address finds no record";
    Datenbank.SetLimit(std::nullopt);

    TRecoObjectManagement ohne(ObjekteReader.get(), AdressenReader.get(), AssoziationenReader.get(),
                               nullptr, &Errors, 0x43FC, 3, 4, 2, 3, false, 0, 0, 0, 0, 0, false, 1,
                               2, 1);
    EXPECT_FALSE(ohne.RecoObjekt(0, 1, "", "", 0, 0, 1, 0, 1, 15, 0, 0, 0));
}

} // namespace
