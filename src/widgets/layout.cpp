#include "widgets/layout.h"

#include <QtGlobal>

#include <stdexcept>

namespace layout {

std::size_t indexOf(std::string_view name)
{
    for (std::size_t index = 0; index < Controls.size(); ++index) {
        if (Controls[index].name == name)
            return index;
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
