#include "play/countertext.h"

#include "platform/runtimeerror.h"

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
    // A finite count plus one stays finite: past 2^53 the sum rounds to the count itself.
    const double sum = value + 1.0;
    // Whole counts are written out in full ("100000000", not "1e+08").
    if (std::trunc(sum) == sum && std::fabs(sum) < 1e15)
        return QString::number(static_cast<qint64>(sum));
    return QString::number(sum, 'g', QLocale::FloatingPointShortest);
}

} // namespace play
