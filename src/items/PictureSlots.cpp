#include "items/PictureSlots.h"

#include "app/PictureFileFilter.h"

void PictureSlots::choose(int slot)
{
    if (slot >= 1 && slot <= Count)
        m_current = slot;
}

QString PictureSlots::path(int slot) const
{
    return slot >= 1 && slot <= Count ? m_paths.at(slot - 1) : QString();
}

void PictureSlots::showItem(const ItemRecord &record)
{
    for (int slot = 1; slot <= Count; ++slot)
        m_paths.at(slot - 1) = record.picture(slot);
    m_current = 1;
}

void PictureSlots::storeInto(ItemRecord &record) const
{
    for (int slot = 1; slot <= Count; ++slot)
        record.setPicture(slot, m_paths.at(slot - 1));
}

QString PictureSlots::openFilter()
{
    return PictureFileFilter();
}
