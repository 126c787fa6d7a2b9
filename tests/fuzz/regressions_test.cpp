// Every input on which a fuzz target once found a fault is kept under
// fuzz/regressions/TARGET/ and goes through the same check here, so the
// fault stays fixed in every build, the sanitizer build included.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "fuzz/fuzz_checks.h"
#include "support/temp_folder.h"

namespace {

TEST(FuzzRegressions, EveryKeptInputPassesItsCheck) {
    const std::map<std::string, void (*)(const std::string&)> checks = {
        {"map", checkMapBytes}, {"save", checkSaveBytes}, {"play", checkPlayBytes}, {"key", checkKeyBytes}};
    int replayed = 0;
    for (const auto& folder : std::filesystem::directory_iterator(DRIFTER_SOURCE_DIR "/fuzz/regressions")) {
        const auto check = checks.find(folder.path().filename().string());
        ASSERT_NE(check, checks.end()) << "no fuzz target is named " << folder.path();
        for (const auto& input : std::filesystem::directory_iterator(folder.path())) {
            try {
                check->second(readFile(input.path()));
            } catch (const FuzzFinding& finding) {
                ADD_FAILURE() << input.path() << ": " << finding.what();
            }
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
