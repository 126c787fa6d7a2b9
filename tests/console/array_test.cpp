#include <gtest/gtest.h>

#include "console/array.h"
#include "console/text.h"

namespace {

Array<String> list(std::initializer_list<const char*> items) {
    Array<String> a;
    for (const char* s : items) a.append(s);
    return a;
}

TEST(Array, IndexesAreCheckedWithTheExactErrorValuesAndRemovalKeepsTheOrder) {
    Array<String> abc = list({"A", "B", "C"});
    try {
        abc[3] = "D";
        FAIL();
    } catch (const errorBounds& e) {
        EXPECT_EQ(e.index, 3u);
        EXPECT_EQ(e.max, 2u);
    }
    EXPECT_THROW(abc.removeAt(3), errorBounds);
    abc.removeAt(1);
    ASSERT_EQ(abc.size(), 2u);
    EXPECT_TRUE(abc[0] == "A" && abc[1] == "C");
    abc.removeAt(0);
    abc.removeAt(0);
    try {
        (void)abc.at(0);
        FAIL();
    } catch (const errorBounds& e) {
        EXPECT_EQ(e.max, 4294967295u);  // an empty array's last index wraps
    }
}

}  // namespace
