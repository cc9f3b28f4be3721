#pragma once

#include <QPoint>
#include <QSize>

// Where a field box dropped in the field designer comes to rest: kept inside the page, and
// optionally snapped to an 8-pixel grid.
class FieldDropCorrection
{
public:
    static constexpr int NotebookWidth = 529;
    static constexpr int PageHeight = 410;
    static constexpr int TopWhenAbove = 16; // leaves room for the caption above the box
    static constexpr int GridStep = 8;

    // The corrected top-left corner of a box of the given size released at 'dropped' (page coordinates).
    static QPoint correct(const QPoint &dropped, const QSize &box, bool snap);

    // The nearest multiple of 8; a remainder of exactly 4 rounds up.
    static int snapToGrid(int value);
};
