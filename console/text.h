#pragma once
// String: the game's own text type. Every name, link, option, map row and
// file line is one. Storage doubles when an append finds it full, so a text
// built character by character costs time in step with its length, and every
// index is checked. Written to a stream, "%C" plus two hex digits
// (background, foreground) changes the console colour.

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "console/errors.h"

class CharStore {
public:
    CharStore() = default;
    CharStore(const CharStore& other);
    CharStore& operator=(const CharStore& other);
    ~CharStore() { clear(); }

    void append(char c);
    void clear();
    std::uint32_t size() const { return count; }
    char& at(std::uint32_t i);
    const char& at(std::uint32_t i) const;

private:
    char* data = nullptr;
    std::uint32_t count = 0;
    std::uint32_t capacity = 0;  // characters the buffer has room for
};

class String {
public:
    String() = default;
    String(const char* text);  // NOLINT: texts convert implicitly, as literals do everywhere
    String(const String& other) = default;
    String& operator=(const String& other) = default;
    String& operator=(const char* text);
    String& operator=(char c);

    std::uint32_t length() const { return store.size(); }
    char& at(std::uint32_t i) { return store.at(i); }
    const char& at(std::uint32_t i) const { return store.at(i); }
    char& operator[](std::uint32_t i) { return store.at(i); }
    const char& operator[](std::uint32_t i) const { return store.at(i); }

    String substr(std::uint32_t start, std::uint32_t n) const;
    // A NUL-terminated copy for file names; the caller owns it.
    std::unique_ptr<char[]> c_str() const;
    // The same characters as a standard string, for the platform layer.
    std::string str() const;

    String& operator+=(const String& s);
    String& operator+=(const char* s);
    String& operator+=(char c);
    String& operator+=(int n);

private:
    CharStore store;
};

String operator+(const String& a, const String& b);
String operator+(const String& a, const char* b);
String operator+(const String& a, char b);
String operator+(const char* a, const String& b);
String operator+(char a, const String& b);

bool operator==(const String& a, const String& b);
bool operator==(const String& a, const char* b);
bool operator==(const String& a, char b);
bool operator==(const char* a, const String& b);
bool operator==(char a, const String& b);
inline bool operator!=(const String& a, const String& b) { return !(a == b); }
inline bool operator!=(const String& a, const char* b) { return !(a == b); }
inline bool operator!=(const String& a, char b) { return !(a == b); }
inline bool operator!=(const char* a, const String& b) { return !(a == b); }
inline bool operator!=(char a, const String& b) { return !(a == b); }

// Writes s, turning "%C" + two hex digits into setColor(background, foreground).
std::ostream& operator<<(std::ostream& out, const String& s);

// Reads one line: a line feed left waiting by an earlier read is skipped
// first; the ending line feed is consumed and not stored.
std::istream& getline(std::istream& in, String& s);
