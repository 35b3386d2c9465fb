#pragma once

// The columns of the Cabrillo QSO line, written once: the writer builds each line from this
// table and the reader takes each field back from the same columns.

#include <array>
#include <string_view>

#include "contest/LogEntry.h"
#include "contest/QsoLog.h"

namespace kerolt {

// The line's start, in columns 1-5; the fields follow it.
inline constexpr std::string_view QsoLineStart = "QSO: ";

enum class QsoSource { Cell, Mode, Date, OwnCall };

// Left: the value followed by at most Pad blanks, cut to Span. Right: the value right-aligned
// in Width columns with at most Pad blanks in front (a longer value keeps its last Width
// characters), then the trailing blanks. AsIs: the value whole, then the trailing blanks.
// A value shorter or longer than the program produces can thus give a field of another
// length, and every later field moves.
enum class QsoAlign { Left, Right, AsIs };

struct QsoLineField {
    QsoSource Source;
    int Cell;     // the grid column, for a field from a cell
    long Column;  // first column of the field in a line the writer made
    long Width;   // the value's columns: what the reader takes back
    long Span;    // columns up to the next field: Width and the trailing blanks
    QsoAlign Align;
    long Pad;      // most blanks that fill a short value
    bool Trimmed;  // the cell's blanks are removed before it is aligned
};

inline constexpr std::array<QsoLineField, 10> QsoLineFields{{
    {QsoSource::Cell, ColFreq, 6, 5, 6, QsoAlign::Right, 1, true},
    {QsoSource::Mode, -1, 12, 2, 3, QsoAlign::AsIs, 0, false},
    {QsoSource::Date, -1, 15, 10, 11, QsoAlign::AsIs, 0, false},
    {QsoSource::Cell, ColTime, 26, 4, 5, QsoAlign::AsIs, 0, false},
    {QsoSource::OwnCall, -1, 31, 14, 14, QsoAlign::Left, 14, false},
    {QsoSource::Cell, ColRstSent, 45, 3, 4, QsoAlign::Left, 2, false},
    {QsoSource::Cell, ColNrSent, 49, 6, 7, QsoAlign::Right, 5, false},
    {QsoSource::Cell, ColCall, 56, 14, 14, QsoAlign::Left, 12, false},
    {QsoSource::Cell, ColRstRcvd, 70, 3, 4, QsoAlign::Left, 2, false},
    {QsoSource::Cell, ColNrRcvd, 74, 6, 6, QsoAlign::Right, 5, false},
}};

static_assert(QsoLineFields[6].Cell == ColNrSent &&
                  QsoLineFields[6].Width >= static_cast<long>(MaxSentNrLength),
              "the sent number's column holds every number the field does");

// The field that a source (and, for a cell, its grid column) fills.
constexpr const QsoLineField& QsoField(QsoSource source, int cell = -1) {
    for (const QsoLineField& f : QsoLineFields) {
        if (f.Source == source && (source != QsoSource::Cell || f.Cell == cell))
            return f;
    }
    return QsoLineFields.back();  // never reached for the sources above
}

// Each field starts where the one before it ends.
constexpr bool QsoFieldsAdjoin() {
    auto column = static_cast<long>(QsoLineStart.size()) + 1;
    for (const QsoLineField& f : QsoLineFields) {
        if (f.Column != column || f.Width > f.Span)
            return false;
        column += f.Span;
    }
    return true;
}
static_assert(QsoFieldsAdjoin());
// The longest call the entries take still leaves a blank before the report.
static_assert(QsoField(QsoSource::Cell, ColCall).Span == MaxCallLength + 1);
static_assert(QsoField(QsoSource::OwnCall).Span == MaxCallLength + 1);

}  // namespace kerolt
