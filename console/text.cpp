#include "console/text.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "console/console.h"

CharStore::CharStore(const CharStore& other) {
    // A copy is made in one allocation: texts are copied far more often than built.
    if (other.count == 0) return;
    data = new (std::nothrow) char[other.count];
    if (!data) throw errorOverflow{};
    std::memcpy(data, other.data, other.count);
    count = other.count;
    capacity = other.count;
}

CharStore& CharStore::operator=(const CharStore& other) {
    if (this != &other) {
        CharStore copy(other);
        std::swap(data, copy.data);
        std::swap(count, copy.count);
        std::swap(capacity, copy.capacity);
    }
    return *this;
}

void CharStore::append(char c) {
    if (count == capacity) {
        // Doubling keeps long map lines and whole files linear to build.
        if (count == UINT32_MAX) throw errorOverflow{};
        const std::uint32_t room = capacity > UINT32_MAX / 2 ? UINT32_MAX : std::max(2 * capacity, 16u);
        char* grown = new (std::nothrow) char[room];
        if (!grown) throw errorOverflow{};
        if (count != 0) std::memcpy(grown, data, count);
        delete[] data;
        data = grown;
        capacity = room;
    }
    data[count++] = c;
}

void CharStore::clear() {
    delete[] data;
    data = nullptr;
    count = 0;
    capacity = 0;
}

char& CharStore::at(std::uint32_t i) {
    if (i >= count) throw errorBounds{i, count - 1};
    return data[i];
}

const char& CharStore::at(std::uint32_t i) const {
    if (i >= count) throw errorBounds{i, count - 1};
    return data[i];
}

String::String(const char* text) { *this += text; }

String& String::operator=(const char* text) {
    String copy(text);
    *this = copy;
    return *this;
}

String& String::operator=(char c) {
    store.clear();
    store.append(c);
    return *this;
}

String String::substr(std::uint32_t start, std::uint32_t n) const {
    if (start >= length()) throw errorBounds{start, length() - 1};
    if (n > length() - start) n = length() - start;
    String part;
    for (std::uint32_t i = 0; i < n; ++i) part += at(start + i);
    return part;
}

std::unique_ptr<char[]> String::c_str() const {
    std::unique_ptr<char[]> text(new (std::nothrow) char[length() + 1]);
    if (!text) throw errorOverflow{};
    for (std::uint32_t i = 0; i < length(); ++i) text[i] = at(i);
    text[length()] = '\0';
    return text;
}

std::string String::str() const {
    std::string s;
    s.reserve(length());
    for (std::uint32_t i = 0; i < length(); ++i) s += at(i);
    return s;
}

String& String::operator+=(const String& s) {
    const std::uint32_t n = s.length();  // s may be *this
    for (std::uint32_t i = 0; i < n; ++i) store.append(s.at(i));
    return *this;
}

String& String::operator+=(const char* s) {
    for (; s && *s; ++s) store.append(*s);
    return *this;
}

String& String::operator+=(char c) {
    store.append(c);
    return *this;
}

String& String::operator+=(int n) {
    // Work on the unsigned magnitude so that the most negative int prints too.
    std::uint32_t magnitude = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
    char digits[10];
    int used = 0;
    do {
        digits[used++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (n < 0) store.append('-');
    while (used > 0) store.append(digits[--used]);
    return *this;
}

String operator+(const String& a, const String& b) { return String(a) += b; }
String operator+(const String& a, const char* b) { return String(a) += b; }
String operator+(const String& a, char b) { return String(a) += b; }
String operator+(const char* a, const String& b) { return String(a) += b; }
String operator+(char a, const String& b) { return (String() += a) += b; }

bool operator==(const String& a, const String& b) {
    if (a.length() != b.length()) return false;
    for (std::uint32_t i = 0; i < a.length(); ++i)
        if (a.at(i) != b.at(i)) return false;
    return true;
}

bool operator==(const String& a, const char* b) {
    const std::size_t n = b ? std::strlen(b) : 0;
    if (a.length() != n) return false;
    for (std::uint32_t i = 0; i < a.length(); ++i)
        if (a.at(i) != b[i]) return false;
    return true;
}

bool operator==(const String& a, char b) { return a.length() == 1 && a.at(0) == b; }
bool operator==(const char* a, const String& b) { return b == a; }
bool operator==(char a, const String& b) { return b == a; }

std::ostream& operator<<(std::ostream& out, const String& s) {
    std::uint32_t i = 0;
    while (i < s.length()) {
        if (s.at(i) == '%' && i + 3 < s.length()) {
            if (s.at(i + 1) == 'C' || s.at(i + 1) == 'c') {
                setColor(hexDigitValue(s.at(i + 2)), hexDigitValue(s.at(i + 3)));
                i += 4;
            } else {
                ++i;  // a '%' that starts no escape is dropped
            }
            continue;
        }
        out.put(s.at(i));
        ++i;
    }
    return out;
}

std::istream& getline(std::istream& in, String& s) {
    s = String();
    if (in.peek() == '\n') in.get();
    char c;
    while (in.get(c) && c != '\n') s += c;
    return in;
}
