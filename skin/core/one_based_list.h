#pragma once
// The list type used by every record of the skin: positions are 1-based and
// 0 means "none". A new list holds one value-initialised element, so a list is
// never absent and the first registration can fill that element in place.
// Elements live on the heap, so a reference to one stays valid while the list
// grows (family records are looked up and painted while others register).
#include <cstddef>
#include <memory>
#include <vector>

template <class T>
class OneBasedList {
public:
    struct StartEmpty {};

    OneBasedList() { items_.push_back(std::make_unique<T>()); }
    explicit OneBasedList(StartEmpty) {}

    OneBasedList(const OneBasedList& other) { CopyFrom(other); }
    OneBasedList& operator=(const OneBasedList& other) {
        if (this != &other) { items_.clear(); CopyFrom(other); }
        return *this;
    }
    OneBasedList(OneBasedList&&) noexcept = default;
    OneBasedList& operator=(OneBasedList&&) noexcept = default;

    int Count() const { return static_cast<int>(items_.size()); }
    bool Contains(int pos) const { return pos >= 1 && pos <= Count(); }

    // Callers check positions that come from outside (window properties,
    // messages) with Contains or At; operator[] is for positions the list
    // itself handed out.
    T& operator[](int pos) { return *items_[static_cast<std::size_t>(pos - 1)]; }
    const T& operator[](int pos) const { return *items_[static_cast<std::size_t>(pos - 1)]; }
    T* At(int pos) { return Contains(pos) ? items_[static_cast<std::size_t>(pos - 1)].get() : nullptr; }
    const T* At(int pos) const { return Contains(pos) ? items_[static_cast<std::size_t>(pos - 1)].get() : nullptr; }

    // Appends a value-initialised element; returns its position.
    int Append() { items_.push_back(std::make_unique<T>()); return Count(); }
    int Append(T value) { items_.push_back(std::make_unique<T>(std::move(value))); return Count(); }

    // Registration rule of the family lists: while the list holds only its
    // empty first element, that element is used; otherwise one is appended.
    template <class IsEmpty>
    int Register(IsEmpty isEmpty) {
        if (Count() == 1 && isEmpty(*items_.front())) return 1;
        return Append();
    }

    void RemoveAt(int pos) {
        if (Contains(pos)) items_.erase(items_.begin() + (pos - 1));
    }
    void Clear() { items_.clear(); }

    template <class Item>
    class Iter {
    public:
        using Base = typename std::vector<std::unique_ptr<T>>::const_iterator;
        explicit Iter(Base it) : it_(it) {}
        Item& operator*() const { return **it_; }
        Iter& operator++() { ++it_; return *this; }
        bool operator!=(const Iter& o) const { return it_ != o.it_; }
    private:
        Base it_;
    };
    Iter<T> begin() { return Iter<T>(items_.cbegin()); }
    Iter<T> end() { return Iter<T>(items_.cend()); }
    Iter<const T> begin() const { return Iter<const T>(items_.cbegin()); }
    Iter<const T> end() const { return Iter<const T>(items_.cend()); }

private:
    void CopyFrom(const OneBasedList& other) {
        items_.reserve(other.items_.size());
        for (const auto& p : other.items_) items_.push_back(std::make_unique<T>(*p));
    }
    std::vector<std::unique_ptr<T>> items_;
};
