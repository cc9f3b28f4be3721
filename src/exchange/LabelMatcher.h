#pragma once

#include "exchange/EntryCatalogue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Finds the catalogue entries that a list of labels names, as a file's heading line or a list
// typed on the command line gives them: letter case and blanks at the ends do not count, and a
// label that several fields carry names them in turn (the first such field, then the next), so a
// heading the export wrote maps every column back to the field it came from.
class LabelMatcher
{
public:
    explicit LabelMatcher(const EntryCatalogue &catalogue);

    // The catalogue position of each label, in order. Nothing when a label names no entry; *unknown
    // then holds the first such label.
    std::optional<QList<int>> positions(const QStringList &labels, QString *unknown = nullptr) const;

private:
    const EntryCatalogue &m_catalogue;
};
