// The record store: loading, keys, views, sorting, saving and its errors.
#include "foundation/TDatenManager.h"
#include "platform/vcl/Exception.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using Store = TDatenManager<TDatenStruktur>;

const AnsiString kKueche = "K\xFC"
                           "che"; // Windows-1252

TDatenStruktur Rec(int handle, const AnsiString &name, int16_t typ, int param1 = 0) {
    TDatenStruktur d;
    d.Handle = handle;
    d.Name = name;
    d.Typ = typ;
    d.Param1 = param1;
    return d;
}

TMemoryStream StreamOf(std::string_view text) {
    TMemoryStream s;
    s.WriteBuffer(text.data(), static_cast<long long>(text.size()));
    s.SetPosition(0);
    return s;
}

AnsiString TextOf(const TMemoryStream &s) {
    return AnsiString(reinterpret_cast<const char *>(s.Memory()), static_cast<size_t>(s.Size()));
}

std::vector<TDatenStruktur> Walk(Store &s) {
    std::vector<TDatenStruktur> out;
    for (auto *d = s.GetFirst(); d; d = s.GetNext())
        out.push_back(*d);
    return out;
}

std::vector<int> Handles(Store &s) {
    std::vector<int> out;
    for (const auto &d : Walk(s))
        out.push_back(d.Handle);
    return out;
}

// A store of the given records, loaded from their record-file text (keys 1..n).
std::unique_ptr<Store> StoreOf(const std::vector<TDatenStruktur> &recs) {
    AnsiString text;
    for (const auto &r : recs)
        text += r.GetDatensatzZeile() + "\r\n";
    auto s = StreamOf(text);
    return std::make_unique<Store>(&s);
}

TEST(StoreLoad, LineEndsCommentsEmptyLinesAndNul) {
    const AnsiString r1 = Rec(11, "a", 1).GetDatensatzZeile();
    const AnsiString r2 = Rec(12, "b", 2).GetDatensatzZeile();
    const AnsiString r3 = Rec(13, "c", 3).GetDatensatzZeile();
    const AnsiString r4 = Rec(14, "d", 4).GetDatensatzZeile();
    const TDatenStruktur head;
    AnsiString text = head.GetKopfZeile() + "\r\n" + head.GetKommentarZeile() + "\r\n#x\r\n\r\n" +
                      r1 + "\r" + r2 + "\n\n" + r3 + "\r\n";
    text += '\0';
    text += r4 + "\r\n";
    auto stream = StreamOf(text);
    stream.SetPosition(5); // loading reads from the start whatever the position
    Store s(&stream);
    EXPECT_EQ(Handles(s), (std::vector<int>{11, 12, 13}));
    TDatenStruktur found;
    ASSERT_TRUE(s.Find("Typ", 3, found));
    EXPECT_EQ(found.Handle, 13);
}

TEST(StoreLoad, OnlyTheFirstCharacterMakesAComment) {
    auto stream = StreamOf(" #comment\r\n");
    try {
        Store s(&stream);
        FAIL() << "a line beginning with a blank is a record line";
    } catch (const E_DatenManager &e) {
        EXPECT_EQ(e.Message, "TDatenStruktur::Fill(String Datensatz)\nHandle: #comment");
    }
}

TEST(StoreLoad, ConstructorErrors) {
    EXPECT_THROW(Store(static_cast<TMemoryStream *>(nullptr)), E_DatenManager);
    EXPECT_THROW(Store(static_cast<const void *>(nullptr), 10), E_DatenManager);
    const char bytes[] = "x";
    EXPECT_THROW(Store(bytes, -1), E_DatenManager);
    Store empty(bytes, 0);
    EXPECT_EQ(empty.GetFirst(), nullptr);
    const AnsiString line = Rec(5, "n", 6).GetDatensatzZeile();
    Store fromBuffer(line.data(), static_cast<int32_t>(line.size()));
    EXPECT_EQ(Handles(fromBuffer), std::vector<int>{5});
    EXPECT_THROW(fromBuffer.LoadFromStream(nullptr), E_DatenManager);
    EXPECT_EQ(Handles(fromBuffer), std::vector<int>{5}) << "a refused load keeps the records";
}

TEST(StoreKeys, AddTakesGreatestKeyPlusOne) {
    TMemoryStream emptyStream;
    Store empty(&emptyStream);
    empty.Add(Rec(1, "x", 1));
    empty.Add(Rec(2, "y", 1));
    // Keys are never written out; the walk in key order shows each Add after the last record.
    EXPECT_EQ(Handles(empty), (std::vector<int>{1, 2}));

    auto s = StoreOf({Rec(1, "a", 5), Rec(2, "b", 6), Rec(3, "c", 5)});
    s->Add(Rec(4, "d", 5));
    // A view under the same keys: change all Typ-5 records, the added one (key 4) included.
    {
        std::unique_ptr<Store> v(s->Filter("Typ", int32_t(5)));
        for (auto *d = v->GetFirst(); d; d = v->GetNext())
            d->Param1 = 100 + d->Handle;
    }
    std::vector<int> p;
    for (const auto &d : Walk(*s))
        p.push_back(d.Param1);
    EXPECT_EQ(p, (std::vector<int>{101, 0, 103, 104}));
}

TEST(StoreKeys, KeyZeroInEmptyStoreIsWrittenBackByKey) {
    TMemoryStream emptyStream;
    Store s(&emptyStream);
    s.Add(Rec(7, "only", 1)); // key 0
    {
        std::unique_ptr<Store> v(s.Filter("Handle", int32_t(7)));
        v->GetFirst()->Param2 = 42;
    }
    EXPECT_EQ(s.GetFirst()->Param2, 42);
}

TEST(StoreViews, WriteBackOnDeleteTouchesOnlyTheViewsKeys) {
    auto s = StoreOf({Rec(1, "a", 806), Rec(2, "b", 1), Rec(3, "c", 806)});
    Store *v = s->Filter("Typ", int16_t(806));
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(Handles(*v), (std::vector<int>{1, 3}));
    v->GetFirst()->Param1 = 9;
    v->Add(Rec(50, "new", 806));         // stays in the view
    EXPECT_EQ(s->GetFirst()->Param1, 0); // not yet written back
    delete v;
    EXPECT_EQ(Handles(*s), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(s->GetFirst()->Param1, 9);
    std::unique_ptr<Store> none(s->Filter("Typ", int32_t(4711)));
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->GetFirst(), nullptr);
}

TEST(StoreViews, ARecordAddedToAViewNeverOverwritesTheParent) {
    // The view holds keys 1 and 3; its Add takes key 4, which the parent gives another record.
    auto s = StoreOf({Rec(1, "a", 5), Rec(2, "b", 6), Rec(3, "c", 5), Rec(4, "d", 6)});
    {
        std::unique_ptr<Store> v(s->Filter("Typ", int32_t(5)));
        v->Add(Rec(50, "new", 5));
        EXPECT_EQ(Handles(*v), (std::vector<int>{1, 3, 50}));
    }
    EXPECT_EQ(Handles(*s), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Walk(*s)[3].Name, "d");
}

TEST(StoreViews, DeletingAViewWritesBackItsOwnViewsFirst) {
    auto s = StoreOf({Rec(1, "a", 5, 1), Rec(2, "b", 5, 2), Rec(3, "c", 6, 1)});
    Store *outer = s->Filter("Typ", int32_t(5));
    Store *inner = outer->Filter("Param1", int32_t(2));
    inner->GetFirst()->Name = "changed in inner";
    outer->GetFirst()->Name = "changed in outer";
    // A second view of the root, made before the changes reach it.
    std::unique_ptr<Store> stale(s->Filter("Typ", int32_t(5)));
    delete outer; // inner goes first, into outer; outer into the root
    const auto recs = Walk(*s);
    EXPECT_EQ(recs[0].Name, "changed in outer");
    EXPECT_EQ(recs[1].Name, "changed in inner");
    EXPECT_EQ(recs[2].Name, "c");
    // The stale view writes its old copies back over the changes: the last view deleted wins.
    stale.reset();
    EXPECT_EQ(Walk(*s)[1].Name, "b");
}

// A record that notes every value written back into it, to see the order of the write-backs.
struct TNotedRecord : TDatenStruktur {
    static std::vector<AnsiString> &WrittenBack() {
        static std::vector<AnsiString> names;
        return names;
    }
    TNotedRecord() = default;
    TNotedRecord(const TNotedRecord &) = default;
    TNotedRecord &operator=(const TNotedRecord &other) {
        TDatenStruktur::operator=(other);
        WrittenBack().push_back(other.Name);
        return *this;
    }
};

TEST(StoreViews, DeletingTheRootWritesBackInnermostFirst) {
    using NotedStore = TDatenManager<TNotedRecord>;
    AnsiString text;
    for (const auto &r : {Rec(1, "a", 5, 1), Rec(2, "b", 5, 2), Rec(3, "c", 6, 1)})
        text += r.GetDatensatzZeile() + "\r\n";
    auto stream = StreamOf(text);
    auto root = std::make_unique<NotedStore>(&stream);
    NotedStore *outer = root->Filter("Typ", int32_t(5));
    NotedStore *inner = outer->Filter("Param1", int32_t(2));
    inner->GetFirst()->Name = "inner";
    outer->GetFirst()->Name = "outer";
    TNotedRecord::WrittenBack().clear();
    root.reset(); // deletes outer, which first deletes inner
    // inner into outer's key 2; then outer's keys 1 and 2 (holding inner's change) into the root.
    EXPECT_EQ(TNotedRecord::WrittenBack(), (std::vector<AnsiString>{"inner", "outer", "inner"}));
}

TEST(StoreViews, FilterStandardShowsTheBoxAndGivesNoView) {
    auto s = StoreOf({Rec(1, "a", 806)});
    TMessageBoxRecorder boxes;
    EXPECT_EQ(s->Filter("", int32_t(806)), nullptr);
    EXPECT_EQ(s->Filter("0", int16_t(806)), nullptr);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Bitte Funktion TDatenManager<T>::FilterFeldName benutzen, "
                                     "bnis diese hier repariert ist.\nDanke!");
    EXPECT_EQ(boxes.Boxes()[0].caption, "TDatenManager<T>::FilterStandard");
    EXPECT_EQ(boxes.Boxes()[0].style, 0u);
}

TEST(StoreFind, ByHandleAndByField) {
    auto s = StoreOf({Rec(17, "a", 1, 5), Rec(17, "b", 2, 6), Rec(18, "c", 3, 5)});
    TDatenStruktur out;
    ASSERT_TRUE(s->Find("", 17, out));
    EXPECT_EQ(out.Name, "a");
    ASSERT_TRUE(s->Find("0", 18, out));
    EXPECT_EQ(out.Name, "c");
    ASSERT_TRUE(s->Find("Param1", 6, out));
    EXPECT_EQ(out.Name, "b");
    out.Name = "untouched";
    EXPECT_FALSE(s->Find("", 99, out));
    EXPECT_EQ(out.Name, "untouched");
    EXPECT_THROW(s->Find("Name", 1, out), E_DatenStruktur);
    TMemoryStream emptyStream;
    Store empty(&emptyStream);
    EXPECT_FALSE(empty.Find("Name", 1, out));
    EXPECT_THROW(s->Filter("Bool1", int32_t(1)), E_DatenStruktur);
    EXPECT_THROW(s->Filter("Param1", int16_t(1)), E_DatenStruktur);
}

TEST(StoreSort, StableSnapshotThatDoesNotReachTheRecords) {
    auto s = StoreOf({Rec(1, "b", 1), Rec(2, "a", 1), Rec(3, "B", 1), Rec(4, "a", 1)});
    s->Sort("Name");
    EXPECT_EQ(Handles(*s), (std::vector<int>{3, 2, 4, 1}));
    s->GetFirst()->Param1 = 77; // a copy in the snapshot
    s->Add(Rec(5, "A", 1));     // not in the snapshot until the next Sort
    EXPECT_EQ(Handles(*s).size(), 4u);
    TMemoryStream out;
    s->SaveToStream(&out, nullptr, nullptr);
    EXPECT_EQ(TextOf(out).find(",77,"), AnsiString::npos);
    // Saving keeps key order, never the sorted order.
    Store again(&out);
    EXPECT_EQ(Handles(again), (std::vector<int>{1, 2, 3, 4, 5}));
    s->Sort("Handle");
    EXPECT_EQ(Handles(*s), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(StoreSort, UnsortableFieldThrowsOnlyWhenTwoAreCompared) {
    auto one = StoreOf({Rec(1, "a", 1)});
    EXPECT_NO_THROW(one->Sort("Bool1"));
    auto two = StoreOf({Rec(1, "a", 1), Rec(2, "b", 1)});
    EXPECT_THROW(two->Sort("Bool1"), E_DatenStruktur);
    EXPECT_EQ(Handles(*two), (std::vector<int>{1, 2})); // still unsorted, still walking records
    two->GetFirst()->Param3 = 3;
    TDatenStruktur r;
    ASSERT_TRUE(two->Find("", 1, r));
    EXPECT_EQ(r.Param3, 3);
}

TEST(StoreSave, StreamAndFileAreByteExact) {
    auto s = StoreOf({Rec(1, "", 105), Rec(2, kKueche, 6124)});
    TStringList before, after;
    before.Add("<DB>");
    after.Add("</DB>");
    TMemoryStream out;
    out.WriteBuffer("old content that is longer than nothing", 39);
    s->SaveToStream(&out, &before, &after);
    const TDatenStruktur head;
    const AnsiString expected = head.GetKopfZeile() + "\r\n#Brix Vorezudiru GmbH\r\n<DB>\r\n" +
                                Rec(1, "", 105).GetDatensatzZeile() + "\r\n" +
                                Rec(2, kKueche, 6124).GetDatensatzZeile() + "\r\n</DB>\r\n";
    EXPECT_EQ(TextOf(out), expected);
    EXPECT_EQ(out.Position(), 0);

    const auto path = std::filesystem::temp_directory_path() /
                      ("store_save_" + std::to_string(::getpid()) + ".azx");
    s->SaveToFile(path.string(), &before, &after);
    std::ifstream f(path, std::ios::binary);
    std::stringstream content;
    content << f.rdbuf();
    EXPECT_EQ(content.str(), expected);
    std::filesystem::remove(path);

    // Extra lines that are not comments read as records: "</DB>" is too short for one.
    EXPECT_THROW(Store{&out}, E_DatenManager);
    // Reloading: the empty name comes back as two quotes, the rest unchanged.
    before.Clear();
    before.Add("#before");
    s->SaveToStream(&out, &before, nullptr);
    Store back(&out);
    const auto recs = Walk(back);
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[0].Name, "\"\"");
    EXPECT_EQ(recs[1].Name, kKueche);
    EXPECT_EQ(recs[1].Typ, 6124);
}

// Texts the record line cannot hold as they are: what is written is what loads, and the
// records after them load too.
struct TLineBreakCase {
    const char *name;
    AnsiString nameText;
    AnsiString string5;
    AnsiString nameBack;
    AnsiString string5Back;
};

class StoreSaveText : public testing::TestWithParam<TLineBreakCase> {};

TEST_P(StoreSaveText, RecordStaysOneLineAndTheNextLoads) {
    const auto &c = GetParam();
    TDatenStruktur first = Rec(1, c.nameText, 5);
    first.String5 = c.string5;
    auto s = StoreOf({});
    s->Add(first);
    s->Add(Rec(2, "next", 6));
    TMemoryStream out;
    s->SaveToStream(&out, nullptr, nullptr);
    Store back(&out);
    const auto recs = Walk(back);
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[0].Name, c.nameBack);
    EXPECT_EQ(recs[0].String5, c.string5Back);
    EXPECT_EQ(recs[0].Typ, 5);
    EXPECT_EQ(recs[1].Name, "next");
    EXPECT_EQ(recs[1].Typ, 6);
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(
    Cases, StoreSaveText,
    testing::Values(TLineBreakCase{"lfInName", "A\nB", "", "A B", ""},
                    TLineBreakCase{"crLfInName", "A\r\nB", "x", "A  B", "x"},
                    TLineBreakCase{"lfThenHashInString5", "n", "a\n#", "n", "a #"},
                    TLineBreakCase{"crAtEndOfString5", "n", "a\r", "n", "a "},
                    TLineBreakCase{"nulInName", "A\0B"s, "", "A", ""},
                    TLineBreakCase{"nulInString5", "n", "a\0b"s, "n", "a"},
                    TLineBreakCase{"nameOnlyNul", "\0B"s, "", "\"\"", ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StoreLoad, EmptyStreamGivesNoRecords) {
    TMemoryStream empty;
    Store s(&empty);
    EXPECT_EQ(s.GetFirst(), nullptr);
}

TEST(StoreSave, ErrorsPassToTheCaller) {
    auto s = StoreOf({Rec(1, "a", 1)});
    EXPECT_THROW(s->SaveToFile("/nonexistent-dir/out.azx", nullptr, nullptr), EFCreateError);
    EXPECT_THROW(s->SaveToStream(nullptr, nullptr, nullptr), E_DatenManager);
}

} // namespace
