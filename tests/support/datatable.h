#ifndef TANGLEWICK_TESTS_DATATABLE_H
#define TANGLEWICK_TESTS_DATATABLE_H

// Short _data tables: a Table names its columns and adds a row a call.

#include <QTest>

#include <concepts>

template<typename... T> struct Table
{
    explicit Table(std::convertible_to<const char *> auto... names) { (QTest::addColumn<T>(names), ...); }
    void operator()(const char *row, const T &...values) const { (QTest::newRow(row) << ... << values); }
};

#endif
