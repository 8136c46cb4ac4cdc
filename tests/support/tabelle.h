#pragma once
// A data table's columns declared, and a row's values fetched, in one
// statement each instead of one QTest::addColumn or QFETCH per column.

#include <QTest>
#include <tuple>

// spalten<int, QSize>("n", "flaeche") declares the columns n and flaeche.
template <class... T, class... Namen>
void spalten(Namen... namen)
{
    static_assert(sizeof...(T) == sizeof...(Namen), "one name per column");
    (QTest::addColumn<T>(namen), ...);
}

// auto [n, flaeche] = hole<int, QSize>("n", "flaeche") fetches as QFETCH does,
// which fails the test on a name or type the table does not have.
template <class... T, class... Namen>
std::tuple<T...> hole(Namen... namen)
{
    static_assert(sizeof...(T) == sizeof...(Namen), "one name per column");
    return {*static_cast<T*>(QTest::qData(namen, qMetaTypeId<T>()))...};
}
