#include "tools/dbdata/OperatorSplit.h"

#include <algorithm>

template <typename Address>
std::vector<CountryOperatorRange<Address>> SplitByOperator(const std::vector<BasicValueRange<Address>>& countries,
                                                           const std::vector<BasicValueRange<Address>>& operators) {
    std::vector<CountryOperatorRange<Address>> pieces;
    auto next = operators.begin();
    for (const auto& country : countries) {
        for (Address from = country.start;;) {
            while (next != operators.end() && next->end < from) ++next;
            CountryOperatorRange<Address> piece{from, country.end, country.value, std::nullopt};
            if (next != operators.end() && next->start <= from) {
                piece.end = std::min(country.end, next->end);
                piece.network = next->value;
            } else if (next != operators.end() && next->start <= country.end) {
                piece.end = next->start - 1;
            }
            pieces.push_back(piece);
            // Tested before stepping, so the last address of the space ends the loop.
            if (piece.end == country.end) break;
            from = piece.end + 1;
        }
    }
    return pieces;
}

template std::vector<CountryOperatorRange<uint32_t>> SplitByOperator(const std::vector<ValueRange>&,
                                                                     const std::vector<ValueRange>&);
template std::vector<CountryOperatorRange<Ipv6Number>> SplitByOperator(const std::vector<ValueRange6>&,
                                                                       const std::vector<ValueRange6>&);
