#ifndef TANGLEWICK_TESTS_TILES_H
#define TANGLEWICK_TESTS_TILES_H

#include "controlarray.h"

#include <QLabel>
#include <QString>

#include <algorithm>

// A row of letter tiles as text, "." for an empty tile.
inline QString tiles(const ControlArray<QLabel> &row)
{
    QString text;
    for (int i = 1; i <= 12; ++i)
        text += row(i)->text().isEmpty() ? QStringLiteral(".") : row(i)->text();
    return text;
}

// The letters of a text in order, to compare rearrangements.
inline QString sorted(QString text)
{
    std::sort(text.begin(), text.end());
    return text;
}

#endif
