#include "collections/FieldDropCorrection.h"

QPoint FieldDropCorrection::correct(const QPoint &dropped, const QSize &box, bool snap)
{
    int left = dropped.x();
    int top = dropped.y();
    if (left + box.width() > NotebookWidth)
        left = NotebookWidth - box.width() - 4;
    if (top + box.height() > PageHeight)
        top = PageHeight - box.height();
    if (top < 0)
        top = TopWhenAbove;
    if (left < 0)
        left = 0;
    if (snap) {
        top = snapToGrid(top);
        left = snapToGrid(left);
    }
    return {left, top};
}

int FieldDropCorrection::snapToGrid(int value)
{
    const int r = ((value % GridStep) + GridStep) % GridStep;
    return r < GridStep / 2 ? value - r : value + (GridStep - r);
}
