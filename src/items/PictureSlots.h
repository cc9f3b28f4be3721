#pragma once

#include "items/ItemRecord.h"

#include <QString>
#include <array>

// The item form's six picture paths and the slot chosen with the radio buttons "1" to "6".
// Paths are kept whole, however long.
class PictureSlots
{
public:
    static constexpr int Count = ItemRecord::PictureCount;

    int current() const { return m_current; }
    // Chooses slot 1 to 6; other numbers are ignored.
    void choose(int slot);

    QString path(int slot) const;
    QString currentPath() const { return path(m_current); }
    void setCurrentPath(const QString &path) { m_paths.at(m_current - 1) = path; }
    void clearCurrent() { setCurrentPath(QString()); }

    // Takes the paths of an item and chooses slot 1.
    void showItem(const ItemRecord &record);
    // Puts the paths into an item.
    void storeInto(ItemRecord &record) const;

    // The choices of the open-picture dialog, as pairs of description and patterns.
    static QString openFilter();

private:
    std::array<QString, Count> m_paths;
    int m_current = 1;
};
