#pragma once
// The reason a failed file call gives the player, in the system's own words.
// Linux's words are checked exactly; Windows words its reasons its own way,
// so there any reason will do.

#include <gtest/gtest.h>

#include <string>

inline void expectSystemReason(const std::string& shown, const std::string& linuxWords) {
#ifdef _WIN32
    (void)linuxWords;
    EXPECT_NE(shown.find_first_not_of(' '), std::string::npos) << "no reason given";
#else
    EXPECT_EQ(shown.substr(0, linuxWords.size()), linuxWords);
#endif
}
