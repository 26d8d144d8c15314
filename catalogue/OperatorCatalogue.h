#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mms {

// What a lookup returns when nothing matches; it lies outside every index range.
inline constexpr uint8_t kCatalogueMiss = 255;

template <typename Params>
struct OperatorRow {
    const char *country;
    const char *name;
    Params params;
};

struct OperatorRange {
    int first = 0;
    int count = 0;
};

inline constexpr std::string_view kOperatorKeySeparator = "--";

// An operator key is the country name, "--" and the operator name, nothing trimmed.
std::string MakeOperatorKey(std::string_view country, std::string_view operatorName);
// Whether `key` is the key of that country and operator, without building it.
bool IsOperatorKey(std::string_view key, std::string_view country, std::string_view operatorName);

// A constant table of countries and their operators. Rows are grouped by country in
// country-list order; counts, first indexes and keys are derived from the rows. Names
// are ASCII; every comparison is exact and case-sensitive.
template <typename Params>
class OperatorCatalogue {
public:
    constexpr OperatorCatalogue(std::span<const char *const> countries, std::span<const OperatorRow<Params>> rows)
        : m_countries(countries), m_rows(rows)
    {
    }

    int CountryCount() const { return int(m_countries.size()); }
    int OperatorCount() const { return int(m_rows.size()); }
    std::string_view CountryName(int country) const { return m_countries[country]; }
    std::vector<std::string_view> CountryNames() const { return {m_countries.begin(), m_countries.end()}; }

    // kCatalogueMiss when no country has that name.
    uint8_t FindCountry(std::string_view name) const
    {
        for (int i = 0; i < CountryCount(); ++i) {
            if (CountryName(i) == name)
                return uint8_t(i);
        }
        return kCatalogueMiss;
    }

    OperatorRange OperatorRangeOf(int country) const
    {
        const std::string_view name = CountryName(country);
        OperatorRange range;
        while (range.first < OperatorCount() && OperatorCountry(range.first) != name)
            ++range.first;
        while (range.first + range.count < OperatorCount() && OperatorCountry(range.first + range.count) == name)
            ++range.count;
        return range;
    }

    std::vector<std::string_view> OperatorNames(int country) const
    {
        const OperatorRange range = OperatorRangeOf(country);
        std::vector<std::string_view> names;
        for (int op = range.first; op < range.first + range.count; ++op)
            names.push_back(OperatorName(op));
        return names;
    }

    std::string_view OperatorName(int op) const { return m_rows[op].name; }
    std::string_view OperatorCountry(int op) const { return m_rows[op].country; }
    std::string OperatorKey(int op) const { return MakeOperatorKey(OperatorCountry(op), OperatorName(op)); }

    // kCatalogueMiss when no operator has that key.
    uint8_t FindOperatorKey(std::string_view key) const
    {
        for (int op = 0; op < OperatorCount(); ++op) {
            if (IsOperatorKey(key, OperatorCountry(op), OperatorName(op)))
                return uint8_t(op);
        }
        return kCatalogueMiss;
    }

    const Params &ParamsOf(int op) const { return m_rows[op].params; }

private:
    std::span<const char *const> m_countries;
    std::span<const OperatorRow<Params>> m_rows;
};

} // namespace mms
