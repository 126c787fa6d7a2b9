#pragma once
// Array<T>: the game's one container. An append that finds the storage full
// doubles it, so a list built element by element costs time in step with its
// length; a removal rebuilds the storage at its new size. Every index is checked.

#include <cstdint>
#include <new>
#include <utility>

#include "console/errors.h"

template <typename T>
class Array {
public:
    Array() = default;
    Array(const Array& other) { copyFrom(other); }
    Array(Array&& other) noexcept : data(other.data), count(other.count), capacity(other.capacity) {
        other.data = nullptr;
        other.count = 0;
        other.capacity = 0;
    }
    Array& operator=(const Array& other) {
        if (this != &other) {
            Array copy(other);
            swap(copy);
        }
        return *this;
    }
    Array& operator=(Array&& other) noexcept {
        if (this != &other) {
            clear();
            swap(other);
        }
        return *this;
    }
    ~Array() { clear(); }

    std::uint32_t size() const { return count; }

    T& at(std::uint32_t i) {
        check(i);
        return data[i];
    }
    const T& at(std::uint32_t i) const {
        check(i);
        return data[i];
    }
    T& operator[](std::uint32_t i) { return at(i); }
    const T& operator[](std::uint32_t i) const { return at(i); }

    void append(const T& x) {
        if (count < capacity) {
            data[count] = x;
            ++count;
            return;
        }
        if (count == UINT32_MAX) throw errorOverflow{};
        const std::uint32_t room = capacity > UINT32_MAX / 2 ? UINT32_MAX : (capacity == 0 ? 4u : 2 * capacity);
        T* grown = allocate(room);
        try {
            for (std::uint32_t i = 0; i < count; ++i) grown[i] = data[i];
            grown[count] = x;  // x may be one of the old elements: they are released after
        } catch (...) {
            delete[] grown;
            throw;
        }
        delete[] data;
        data = grown;
        capacity = room;
        ++count;
    }

    void removeAt(std::uint32_t i) {
        check(i);
        if (count == 1) {
            clear();
            return;
        }
        T* shrunk = allocate(count - 1);
        try {
            for (std::uint32_t from = 0, to = 0; from < count; ++from)
                if (from != i) shrunk[to++] = data[from];
        } catch (...) {
            delete[] shrunk;
            throw;
        }
        delete[] data;
        data = shrunk;
        --count;
        capacity = count;
    }

    void clear() {
        delete[] data;
        data = nullptr;
        count = 0;
        capacity = 0;
    }

    // Index of the first element equal to key, or -1 (used on lists of texts).
    template <typename K>
    int indexOf(const K& key) const {
        for (std::uint32_t i = 0; i < count; ++i)
            if (data[i] == key) return static_cast<int>(i);
        return -1;
    }

    // Range-for support for the game's own loops.
    T* begin() { return data; }
    T* end() { return data + count; }
    const T* begin() const { return data; }
    const T* end() const { return data + count; }

private:
    void check(std::uint32_t i) const {
        if (i >= count) throw errorBounds{i, count - 1};
    }
    static T* allocate(std::uint32_t n) {
        T* p = new (std::nothrow) T[n];
        if (!p) throw errorOverflow{};
        return p;
    }
    void copyFrom(const Array& other) {
        if (other.count == 0) return;
        data = allocate(other.count);
        for (std::uint32_t i = 0; i < other.count; ++i) data[i] = other.data[i];
        count = other.count;
        capacity = other.count;
    }
    void swap(Array& other) noexcept {
        std::swap(data, other.data);
        std::swap(count, other.count);
        std::swap(capacity, other.capacity);
    }

    T* data = nullptr;
    std::uint32_t count = 0;
    std::uint32_t capacity = 0;  // elements the storage has room for
};
