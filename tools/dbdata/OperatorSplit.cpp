#include "tools/dbdata/OperatorSplit.h"

#include <algorithm>

std::vector<CountryOperatorRange> SplitByOperator(const std::vector<ValueRange>& countries,
                                                  const std::vector<ValueRange>& operators) {
    std::vector<CountryOperatorRange> pieces;
    auto next = operators.begin();
    for (const ValueRange& country : countries) {
        // 64-bit, so stepping past 255.255.255.255 ends the loop.
        for (uint64_t from = country.start; from <= country.end;) {
            while (next != operators.end() && next->end < from) ++next;
            CountryOperatorRange piece{uint32_t(from), country.end, country.value, std::nullopt};
            if (next != operators.end() && next->start <= from) {
                piece.end = std::min(country.end, next->end);
                piece.network = next->value;
            } else if (next != operators.end() && next->start <= country.end) {
                piece.end = next->start - 1;
            }
            pieces.push_back(piece);
            from = uint64_t(piece.end) + 1;
        }
    }
    return pieces;
}
