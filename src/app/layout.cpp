#include "app/layout.h"

#include <QtGlobal>

#include <stdexcept>

namespace layout {

TwipRect placeOf(std::string_view name)
{
    for (const Place &place : Places) {
        if (place.name == name)
            return place.rect;
    }
    throw std::out_of_range("no such control in the layout");
}

int toPixels(int twips)
{
    return qRound(static_cast<double>(twips) / TwipsPerPixel);
}

QRect toPixels(const TwipRect &rect)
{
    return QRect(toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height));
}

} // namespace layout
