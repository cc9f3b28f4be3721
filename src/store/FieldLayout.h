#pragma once

#include "store/FieldCatalogue.h"

#include <QString>
#include <array>

// Label, place, tab order and visibility of one field of the collection shown in the selector.
struct FieldLayoutEntry
{
    QString Label;        // at most 30 characters
    int LeftPosition = 0; // pixels on the field's item-form page
    int TopPosition = 0;
    int TabOrder = 0; // rank among the loaded fields of its page, by top then left
    bool IsVisible = false;
};

using FieldLayoutTable = std::array<FieldLayoutEntry, FieldCatalogue::FieldCount>;

// The program-wide layout, indexed by data field number; refilled by LoadFieldLayout.
extern FieldLayoutTable FieldLayout;

constexpr int MaxLabelLength = 30;
