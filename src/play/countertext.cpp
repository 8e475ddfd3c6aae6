#include "countertext.h"

#include "runtimeerror.h"

#include <QLocale>

#include <cmath>

namespace play {

QString incrementCounterText(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    // toDouble() also takes "inf" and "nan", which are no counts.
    if (!ok || !std::isfinite(value))
        platform::raise(platform::TypeMismatch);
    const double sum = value + 1.0;
    if (!std::isfinite(sum))
        platform::raise(platform::FloatingPointError);
    return QString::number(sum, 'g', QLocale::FloatingPointShortest);
}

} // namespace play
