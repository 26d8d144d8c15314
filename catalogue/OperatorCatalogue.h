#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>

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

// An operator key is the country name, "--" and the operator name, nothing trimmed.
QString MakeOperatorKey(const QString &country, const QString &operatorName);

// A constant table of countries and their operators. Rows are grouped by country in
// country-list order; counts, first indexes and keys are derived from the rows.
template <typename Params>
class OperatorCatalogue {
public:
    constexpr OperatorCatalogue(std::span<const char *const> countries,
                                std::span<const OperatorRow<Params>> rows)
        : m_countries(countries), m_rows(rows) {}

    int CountryCount() const { return int(m_countries.size()); }
    int OperatorCount() const { return int(m_rows.size()); }
    QString CountryName(int country) const { return QString::fromLatin1(m_countries[country]); }
    QStringList CountryNames() const;

    // Exact, case-sensitive match; kCatalogueMiss when no country has that name.
    uint8_t FindCountry(const QString &name) const;
    OperatorRange OperatorRangeOf(int country) const;
    QStringList OperatorNames(int country) const;

    QString OperatorName(int op) const { return QString::fromLatin1(m_rows[op].name); }
    QString OperatorCountry(int op) const { return QString::fromLatin1(m_rows[op].country); }
    QString OperatorKey(int op) const { return MakeOperatorKey(OperatorCountry(op), OperatorName(op)); }
    // Exact, case-sensitive match; kCatalogueMiss when no operator has that key.
    uint8_t FindOperatorKey(const QString &key) const;
    const Params &ParamsOf(int op) const { return m_rows[op].params; }

private:
    std::span<const char *const> m_countries;
    std::span<const OperatorRow<Params>> m_rows;
};

template <typename Params>
QStringList OperatorCatalogue<Params>::CountryNames() const
{
    QStringList names;
    for (const char *name : m_countries)
        names << QString::fromLatin1(name);
    return names;
}

template <typename Params>
uint8_t OperatorCatalogue<Params>::FindCountry(const QString &name) const
{
    for (int i = 0; i < CountryCount(); ++i) {
        if (CountryName(i) == name)
            return uint8_t(i);
    }
    return kCatalogueMiss;
}

template <typename Params>
OperatorRange OperatorCatalogue<Params>::OperatorRangeOf(int country) const
{
    const QString name = CountryName(country);
    OperatorRange range;
    while (range.first < OperatorCount() && OperatorCountry(range.first) != name)
        ++range.first;
    while (range.first + range.count < OperatorCount()
           && OperatorCountry(range.first + range.count) == name)
        ++range.count;
    return range;
}

template <typename Params>
QStringList OperatorCatalogue<Params>::OperatorNames(int country) const
{
    const OperatorRange range = OperatorRangeOf(country);
    QStringList names;
    for (int op = range.first; op < range.first + range.count; ++op)
        names << OperatorName(op);
    return names;
}

template <typename Params>
uint8_t OperatorCatalogue<Params>::FindOperatorKey(const QString &key) const
{
    for (int op = 0; op < OperatorCount(); ++op) {
        if (OperatorKey(op) == key)
            return uint8_t(op);
    }
    return kCatalogueMiss;
}
