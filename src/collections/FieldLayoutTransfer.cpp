#include "collections/FieldLayoutTransfer.h"

#include "collections/FieldBoxCatalogue.h"

FieldBoxStates FieldLayoutTransfer::LayoutToControls(const FieldLayoutTable &layout)
{
    FieldBoxStates boxes;
    for (size_t n = 0; n < boxes.size(); ++n)
        boxes[n] = {layout[n].Label, QPoint(layout[n].LeftPosition, layout[n].TopPosition), !layout[n].IsVisible};
    return boxes;
}

void FieldLayoutTransfer::ControlsToLayout(const FieldBoxStates &boxes, FieldLayoutTable &layout)
{
    for (size_t n = 0; n < boxes.size(); ++n) {
        const QString fixed = FieldBoxCatalogue::fixedLabel(int(n));
        FieldLayoutEntry &entry = layout[n];
        entry.Label = fixed.isEmpty() ? boxes[n].text.left(MaxLabelLength) : fixed;
        entry.LeftPosition = boxes[n].position.x();
        entry.TopPosition = boxes[n].position.y();
        entry.IsVisible = !boxes[n].hidden;
    }
}

int FieldLayoutTransfer::firstEmptyLabel(const FieldBoxStates &boxes)
{
    for (size_t n = 0; n < boxes.size(); ++n)
        if (!FieldBoxCatalogue::isReadOnly(int(n)) && boxes[n].text.isEmpty())
            return int(n);
    return -1;
}
