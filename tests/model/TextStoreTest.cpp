#include "model/TextStore.h"

#include <gtest/gtest.h>

namespace ardel {
namespace {

TEST(TextStore, FindsTheFirstLineFromTheTopIgnoringCase) {
    TextStore store(4);
    store.append("0012 first");
    store.append("0013 other");
    store.append("0012 second");
    EXPECT_EQ(store.find("0012"), 0);
    EXPECT_EQ(store.find("0012 s"), 2);
    EXPECT_EQ(store.find("0013 OTHER"), 1);
    EXPECT_EQ(store.find("00"), 0);
    EXPECT_EQ(store.find("0099"), -1);

    store.remove(0); // indexes shift: the index is rebuilt
    EXPECT_EQ(store.find("0012"), 1);
    store.insert(0, "0012 new");
    EXPECT_EQ(store.find("0012"), 0);
    EXPECT_EQ(store.find("0013"), 1);
    store.replace(0, "0013 moved");
    EXPECT_EQ(store.find("0013"), 0);
    EXPECT_EQ(store.find("0012"), 2);
}

TEST(TextStore, KeyLookupOfLettersIgnoresCase) {
    TextStore store(4);
    store.append("abcd   0001");
    EXPECT_EQ(store.find("ABCD"), 0);
    EXPECT_EQ(store.find("AbCd   0001"), 0);
    EXPECT_EQ(store.find("abce"), -1);
}

TEST(TextStore, SortedStoreKeepsAscendingOrderIgnoringCase) {
    TextStore store(0, TextStore::Order::Sorted);
    for (const char* line : {"b", "C", "a", "B"}) {
        store.append(line);
    }
    EXPECT_EQ(store.lines(), (std::vector<std::string>{"a", "b", "B", "C"}));
}

} // namespace
} // namespace ardel
