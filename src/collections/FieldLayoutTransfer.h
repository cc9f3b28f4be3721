#pragma once

#include "store/FieldLayout.h"

#include <QPoint>
#include <QString>
#include <array>

// What the field designer shows for one field: the label in its box, the box's place on its
// page and the hidden mark.
struct FieldBoxState
{
    QString text;
    QPoint position;
    bool hidden = false;
};

using FieldBoxStates = std::array<FieldBoxState, FieldCatalogue::FieldCount>;

// Copies between the field designer's boxes and FieldLayout.
class FieldLayoutTransfer
{
public:
    // The boxes as the layout describes them.
    static FieldBoxStates LayoutToControls(const FieldLayoutTable &layout);

    // Labels (cut to 30 characters; the measure units always get their fixed labels), positions
    // and visibility into the layout. Tab orders stay: the next load recomputes them.
    static void ControlsToLayout(const FieldBoxStates &boxes, FieldLayoutTable &layout);

    // The data field number of the first box, in number order, whose label is empty (blanks count
    // as text); the measure units are not looked at. -1 when every label is there.
    static int firstEmptyLabel(const FieldBoxStates &boxes);
};
