#pragma once
#include <cstdint>
#include <map>
#include <vector>

// Gives each distinct value a number, counting from 0, so that ranges can
// carry small numbers instead of texts; the number gives the value back.
template <typename Value>
class Numbering {
public:
    uint32_t Number(const Value& value) {
        auto [entry, added] = FNumbers.try_emplace(value, uint32_t(FValues.size()));
        if (added) FValues.push_back(&entry->first);
        return entry->second;
    }
    const Value& operator[](uint32_t number) const { return *FValues[number]; }
    size_t Size() const { return FValues.size(); }

private:
    std::map<Value, uint32_t> FNumbers;
    std::vector<const Value*> FValues;
};
