#include "platform/bustool/TProductData.h"

#include "platform/bustool/DalRecords.h"
#include "platform/log/Log.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <set>

// The texts of PanelProductData.txt and SwitchProductData.txt, generated into the build tree.
extern const unsigned char kPanelProductData[];
extern const unsigned char kSwitchProductData[];

namespace {

constexpr int32_t kMaxId = 0x7FFF; // parameter ids and object numbers: 16-bit, not negative

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// One data line split into its trimmed columns, with its line number for messages.
class TRow {
public:
    TRow(int line, std::string_view text) : FLine(line) {
        LOG_FKT("TRow::TRow");
        size_t start = 0;
        for (;;) {
            const size_t bar = text.find('|', start);
            FColumns.emplace_back(Trim(text.substr(start, bar - start)));
            if (bar == std::string_view::npos)
                break;
            start = bar + 1;
        }
    }

    [[noreturn]] void Fail(const std::string &what) const {
        LOG_FKT("TRow::Fail");
        throw EProductData("product data, line " + std::to_string(FLine) + ": " + what);
    }
    void ExpectColumns(size_t n) const {
        LOG_FKT("TRow::ExpectColumns");
        if (FColumns.size() != n)
            Fail(std::to_string(n) + " columns expected, " + std::to_string(FColumns.size()) +
                 " found");
    }
    const std::string &Text(size_t i) const {
        LOG_FKT("TRow::Text");
        return FColumns[i];
    }
    int32_t Int(size_t i) const {
        LOG_FKT("TRow::Int");
        const std::string &s = FColumns[i];
        int32_t v = 0;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
        if (s.empty() || ec != std::errc() || end != s.data() + s.size())
            Fail("not a number: \"" + s + "\"");
        return v;
    }
    // A family's size. Ids and object numbers are unique and 15-bit, so a product holds at
    // most kMaxFamily of each, held ones counted; more is an error, found before any is made.
    int32_t Count(size_t i, size_t held) const {
        LOG_FKT("TRow::Count");
        const int32_t n = Int(i);
        if (n < 1)
            Fail("a count must be at least 1");
        if (static_cast<size_t>(n) > kMaxFamily - std::min<size_t>(held, kMaxFamily))
            Fail("more than " + std::to_string(kMaxFamily) + " of a kind");
        return n;
    }
    // Member i of a family whose first value is in column first: first + i * step. A value
    // outside [low, high] is an error, never an overflow.
    int32_t Member(size_t first, int32_t step, int32_t i, int32_t low, int32_t high,
                   const char *what) const {
        LOG_FKT("TRow::Member");
        const int64_t v = int64_t{Int(first)} + int64_t{i} * step;
        if (v < low || v > high)
            Fail(std::string(what) + " " + std::to_string(v) + " is not " + std::to_string(low) +
                 " to " + std::to_string(high));
        return static_cast<int32_t>(v);
    }
    // The "%n" of member i: first n + i.
    int32_t N(size_t first, int32_t i) const {
        LOG_FKT("TRow::N");
        return Member(first, 1, i, std::numeric_limits<int32_t>::min(),
                      std::numeric_limits<int32_t>::max(), "n");
    }
    static constexpr size_t kMaxFamily = kMaxId + 1;
    void ExpectOrigin(size_t i) const {
        LOG_FKT("TRow::ExpectOrigin");
        if (FColumns[i] != "given" && FColumns[i] != "chosen")
            Fail("origin must be \"given\" or \"chosen\"");
    }
    uint8_t Flags(size_t i) const {
        LOG_FKT("TRow::Flags");
        uint8_t f = 0;
        for (char c : FColumns[i]) {
            switch (c) {
            case 'C':
                f |= ETS_FLAG_COMM;
                break;
            case 'R':
                f |= ETS_FLAG_READ;
                break;
            case 'W':
                f |= ETS_FLAG_WRITE;
                break;
            case 'T':
                f |= ETS_FLAG_TRANS;
                break;
            case 'U':
                f |= ETS_FLAG_UPDATE;
                break;
            default:
                Fail(std::string("unknown flag '") + c + "'");
            }
        }
        return f;
    }

private:
    int FLine;
    std::vector<std::string> FColumns;
};

std::string Numbered(const std::string &pattern, int n) {
    std::string s = pattern;
    for (size_t p = s.find("%n"); p != std::string::npos; p = s.find("%n", p))
        s.replace(p, 2, std::to_string(n));
    return s;
}

void ReadProductLine(const TRow &row, TProductData &data) {
    row.ExpectColumns(3);
    row.ExpectOrigin(2);
    if (row.Text(0) == "name")
        data.name = row.Text(1);
    else if (row.Text(0) == "text")
        data.text = row.Text(1);
    else if (row.Text(0) == "module")
        data.moduleName = row.Text(1);
    else
        row.Fail("unknown product entry \"" + row.Text(0) + "\"");
}

// id | count | step | first n | name | default | origin
void ReadParameterLine(const TRow &row, TProductData &data) {
    row.ExpectColumns(7);
    row.ExpectOrigin(6);
    const int32_t count = row.Count(1, data.parameters.size());
    for (int32_t i = 0; i < count; ++i) {
        const int32_t id = row.Member(0, row.Int(2), i, 0, kMaxId, "parameter id");
        data.parameters.push_back({id, Numbered(row.Text(4), row.N(3, i)), row.Int(5)});
    }
}

// number | count | step | first n | name | function | type | flags | parameter | step |
// on from | on to | origin; a parameter "-" makes the object always present.
void ReadObjectLine(const TRow &row, TProductData &data) {
    row.ExpectColumns(13);
    row.ExpectOrigin(12);
    const int32_t count = row.Count(1, data.objects.size());
    const bool always = row.Text(8) == "-";
    for (int32_t i = 0; i < count; ++i) {
        TProductObject o;
        o.number = row.Member(0, row.Int(2), i, 0, kMaxId, "object number");
        o.name = Numbered(row.Text(4), row.N(3, i));
        o.function = Numbered(row.Text(5), row.N(3, i));
        o.type = row.Int(6);
        if (o.type < 0 || o.type > 15)
            row.Fail("object type must be 0 to 15");
        o.flags = row.Flags(7);
        if (!always)
            o.parameterId = row.Member(8, row.Int(9), i, 0, kMaxId, "parameter id");
        o.onFrom = always ? 0 : row.Int(10);
        o.onTo = always ? 0 : row.Int(11);
        if (o.onFrom > o.onTo)
            row.Fail("empty range of switching values");
        data.objects.push_back(o);
    }
}

void Check(const TProductData &data) {
    std::set<int32_t> ids;
    for (const auto &p : data.parameters)
        if (!ids.insert(p.id).second)
            throw EProductData("product data: parameter id " + std::to_string(p.id) + " twice");
    std::set<int> numbers;
    for (const auto &o : data.objects) {
        if (!numbers.insert(o.number).second)
            throw EProductData("product data: object number " + std::to_string(o.number) +
                               " twice");
        if (o.parameterId && !ids.count(*o.parameterId))
            throw EProductData("product data: object " + std::to_string(o.number) +
                               " is switched by the unknown parameter " +
                               std::to_string(*o.parameterId));
    }
    if (data.name.empty())
        throw EProductData("product data: the product has no name");
}

} // namespace

const TProductParameter *TProductData::FindParameter(int32_t id) const {
    LOG_FKT("TProductData::FindParameter");
    for (const auto &p : parameters)
        if (p.id == id)
            return &p;
    return nullptr;
}

TProductData ParseProductData(std::string_view text) {
    LOG_FKT("ParseProductData");
    TProductData data;
    enum { None, Product, Parameters, Objects } section = None;
    int lineNo = 0;
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        const std::string_view line = Trim(text.substr(0, nl));
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        ++lineNo;
        if (line.empty() || line.front() == '#')
            continue;
        if (line == "[product]")
            section = Product;
        else if (line == "[parameters]")
            section = Parameters;
        else if (line == "[objects]")
            section = Objects;
        else if (section == Product)
            ReadProductLine(TRow(lineNo, line), data);
        else if (section == Parameters)
            ReadParameterLine(TRow(lineNo, line), data);
        else if (section == Objects)
            ReadObjectLine(TRow(lineNo, line), data);
        else
            TRow(lineNo, line).Fail("line outside a section");
    }
    Check(data);
    return data;
}

const TProductData &PanelProductData() {
    LOG_FKT("PanelProductData");
    static const TProductData data =
        ParseProductData(reinterpret_cast<const char *>(kPanelProductData));
    return data;
}

const TProductData &SwitchingDeviceProductData() {
    LOG_FKT("SwitchingDeviceProductData");
    static const TProductData data =
        ParseProductData(reinterpret_cast<const char *>(kSwitchProductData));
    return data;
}
