#include <gtest/gtest.h>

#include "console/array.h"
#include "console/text.h"

namespace {

Array<String> list(std::initializer_list<const char*> items) {
    Array<String> a;
    for (const char* s : items) a.append(s);
    return a;
}

TEST(Array, IndexesAreCheckedWithTheExactErrorValues) {
    Array<int> empty;
    try {
        (void)empty.at(0);
        FAIL();
    } catch (const errorBounds& e) {
        EXPECT_EQ(e.index, 0u);
        EXPECT_EQ(e.max, 4294967295u);
    }
    Array<int> three;
    for (int i : {1, 2, 3}) three.append(i);
    try {
        three[3] = 0;
        FAIL();
    } catch (const errorBounds& e) {
        EXPECT_EQ(e.index, 3u);
        EXPECT_EQ(e.max, 2u);
    }
    EXPECT_THROW(three.removeAt(3), errorBounds);
    EXPECT_EQ(three.size(), 3u);
}

TEST(Array, RemovalKeepsTheOrderOfTheRest) {
    Array<String> abc = list({"A", "B", "C"});
    abc.removeAt(1);
    ASSERT_EQ(abc.size(), 2u);
    EXPECT_TRUE(abc[0] == "A");
    EXPECT_TRUE(abc[1] == "C");
    Array<String> one = list({"A"});
    one.removeAt(0);
    EXPECT_EQ(one.size(), 0u);
    EXPECT_THROW((void)one.at(0), errorBounds);
}

}  // namespace
