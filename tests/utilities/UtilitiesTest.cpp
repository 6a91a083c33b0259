#include "support/HeadlessTest.h"
#include "utilities/Renumbering.h"
#include "utilities/SearchBox.h"
#include "utilities/Sorting.h"

namespace ardel {
namespace {

using ui::HeadlessForm;

TEST(TypedNumberTest, ReadsTheLeadingIntegerAsAtoiDoesWithoutOverflowing) {
    struct Case {
        const char* text;
        long long number;
    };
    // clang-format off
    const Case cases[] = {
        {"12",        12},  {"  +12xyz", 12},   {"0007", 7},   {"abc", 0},  {"", 0},
        {"-5",        -5},  {"\t 9", 9},        {"- 5", 0},    {"1 2", 1},  {"007a3", 7},
        {"99999999999999999999", 1'000'000'000'000LL},         {"-99999999999999999999", -1'000'000'000'000LL},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(typedNumber(c.text), c.number) << '"' << c.text << '"';
    }
    EXPECT_TRUE(fitsKey(KeyKind::Station, 9999));
    EXPECT_FALSE(fitsKey(KeyKind::Station, 10000));
    EXPECT_TRUE(fitsKey(KeyKind::Antenna, 0));
    EXPECT_FALSE(fitsKey(KeyKind::Instrument, 1000));
    EXPECT_FALSE(fitsKey(KeyKind::Instrument, -1));
    EXPECT_EQ(keyText(KeyKind::Station, 12), "0012");
    EXPECT_EQ(keyText(KeyKind::Antenna, 5), "005");
}

TEST(SortByKeyTest, NumberKeysSortAsNumbersAndTheScratchStoreKeepsKeyAndLine) {
    TextStore list(3);
    TextStore scratch(0, TextStore::Order::Sorted);
    for (const char* line : {"010 b", "009 A", "010 B"}) {
        list.append(line);
    }
    sortByKey(list, scratch, {0, 3});
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"009 A", "010 b", "010 B"}))
        << "equal keys keep their order when the lines differ in case only";
    EXPECT_EQ(scratch.lines(), (std::vector<std::string>{"009009 A", "010010 b", "010010 B"}));
}

class SearchBoxTest : public testing::HeadlessTest {
protected:
    TextStore source;
    SearchBox box{toolkit};
};

TEST_F(SearchBoxTest, SearchesAnyKeyWindowFromTheRowAfterTheSearchStart) {
    for (const char* line : {"01 ALPHA", "02 BETA", "03 ALPINE", "04"}) {
        source.append(line);
    }
    box.configure("Find", source, 3, 0, 3, 0);
    toolkit.expectDialog("SearchBox", [](HeadlessForm& f) {
        EXPECT_EQ(f.caption(), "Find");
        const ui::ListSource& rows = *f.listView("lb_1").source();
        ASSERT_EQ(rows.count(), 4);
        EXPECT_EQ(rows.at(0), "ALPHA") << "a key length below 1 runs to the line's end";
        EXPECT_EQ(rows.at(3), "");
        EXPECT_EQ(f.listView("lb_1").selectedIndex(), 3) << "the result index given is selected";
        f.type("textb_1", "alp");
        EXPECT_EQ(f.listView("lb_1").selectedIndex(), 2) << "the search begins after row 0";
        f.click("cb_OK");
    });
    EXPECT_EQ(box.run(), 1);
    EXPECT_EQ(box.resultIndex(), 2);
}

} // namespace
} // namespace ardel
