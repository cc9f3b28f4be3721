#include "collections/FieldBoxCatalogue.h"

#include "store/FieldCatalogue.h"

#include <array>

namespace FieldBoxCatalogue {
namespace {

constexpr std::array<const char *, FieldCatalogue::FirstPageTwoField> FirstPageCaptions{
    "Name (Text)",
    "Series (List)",
    "Manufacturer (List)",
    "Retail Price (Money)",
    "Purchase Price (Money)",
    "Current Value (Money)",
    "Insured Value (Money)",
    "Purchased From (Text)",
    "Purchase Date (Text)",
    "Date Valued (Text)",
    "Item Condition (List)",
    "Box Condition (List)",
    "Location (List)",
    "Color (List)",
    "Date Produced (Text)",
    "Dimensions (Text)",
    "",
    "Weight (Text)",
    "",
    "Material (List)",
    "Limited Edition (Checkbox)",
};

} // namespace

int width(int number)
{
    if ((number >= 3 && number <= 6) || (number >= 33 && number <= 39))
        return 121;
    if (number == 16 || number == 18)
        return 49;
    return 161;
}

QString caption(int number)
{
    if (number >= 0 && number < FieldCatalogue::FirstPageTwoField)
        return QString::fromLatin1(FirstPageCaptions[size_t(number)]);
    struct Run
    {
        int first, last;
        const char *stem;
    };
    for (const Run &run : {Run{21, 27, "Text"}, Run{28, 32, "List"}, Run{33, 36, "Number"}, Run{37, 39, "Money"},
                           Run{40, 42, "Date"}, Run{43, 45, "CheckBox"}})
        if (number >= run.first && number <= run.last)
            return QString::fromLatin1(run.stem) + QString::number(number - run.first + 1);
    return {};
}

bool hasCaption(int number)
{
    return !caption(number).isEmpty();
}

bool isBold(int number)
{
    return number == 0;
}

bool isReadOnly(int number)
{
    return number == 16 || number == 18;
}

QString fixedLabel(int number)
{
    if (number == 16)
        return QStringLiteral("DMeasure");
    if (number == 18)
        return QStringLiteral("WMeasure");
    return {};
}

} // namespace FieldBoxCatalogue
