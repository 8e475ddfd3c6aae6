#include "closing.h"

#include "runtimeerror.h"

#include <cmath>
#include <functional>

namespace closing {

namespace {
constexpr float Step = 30.0f;

// A failing step is skipped, and the animation goes on with the next.
bool attempt(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const platform::RuntimeError &) {
        return false;
    }
}
} // namespace

platform::Date playTime(platform::Date StartTime, platform::Date EndTime)
{
    const auto T = [](platform::Date x) {
        return platform::timeSerial(platform::hourOf(x), platform::minuteOf(x), platform::secondOf(x));
    };
    platform::Date PlayTime = T(EndTime) - T(StartTime);
    if (PlayTime < 0)
        PlayTime += 1.0;
    return PlayTime;
}

QString summaryText(platform::Date PlayTime, const QString &Cword, const QString &InCor, const QString &Text2)
{
    const QString lineBreak = QStringLiteral("\r\n");
    return QStringLiteral("You Have Played Tanglewick For ") + platform::formatHms(PlayTime) + lineBreak
        + QStringLiteral("And Played ") + Cword + QStringLiteral(" Tanglewick Words ") + lineBreak
        + QStringLiteral("And You Had ") + InCor + QStringLiteral(" In Correct Guess ") + lineBreak
        + QStringLiteral("Total Scores Was ") + Text2 + lineBreak + QStringLiteral("Have A Nice Day GoodBye");
}

int passesToLeave(float top, float screenWidth)
{
    if (!(top + Step > screenWidth) && std::isfinite(top) && std::isfinite(screenWidth))
        return static_cast<int>(std::floor((screenWidth - top) / Step)) + 1;
    return 1;
}

int animateAway(WindowGeometry &window)
{
    int limit = 1;
    attempt([&] { limit = passesToLeave(window.top(), window.screenWidth()); });

    int passes = 0;
    for (;;) {
        float before[2] = {NAN, NAN};
        attempt([&] { before[0] = window.top(); });
        attempt([&] { before[1] = window.left(); });

        attempt([&] { window.setTop(window.top() + Step); });
        attempt([&] { window.setLeft(window.left() + Step); });
        attempt([&] { window.setWidth(window.width() - 2 * Step); });
        attempt([&] { window.setHeight(window.height() - 2 * Step); });
        window.showPass();
        ++passes;

        float top = 0;
        float screenWidth = 0;
        if (!attempt([&] {
                top = window.top();
                screenWidth = window.screenWidth();
            }))
            break;
        if (top > screenWidth || passes >= limit)
            break;
        float left = NAN;
        attempt([&] { left = window.left(); });
        if (top == before[0] && left == before[1])
            break; // the platform no longer lets the window move
    }
    return passes;
}

} // namespace closing
