#include "closing/closing.h"

#include "platform/runtimeerror.h"

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

platform::Date playTime(platform::Date start, platform::Date end)
{
    const auto timeOfDay = [](platform::Date date) {
        return platform::timeSerial(platform::hourOf(date), platform::minuteOf(date), platform::secondOf(date));
    };
    platform::Date played = timeOfDay(end) - timeOfDay(start);
    if (played < 0)
        played += 1.0;
    return played;
}

QString summaryText(platform::Date played, const QString &wordsPlayed, const QString &incorrect, const QString &score)
{
    const QString lineBreak = QStringLiteral("\r\n");
    return QStringLiteral("You Have Played Tanglewick For ") + platform::formatHms(played) + lineBreak
        + QStringLiteral("And Played ") + wordsPlayed + QStringLiteral(" Tanglewick Words ") + lineBreak
        + QStringLiteral("And You Had ") + incorrect + QStringLiteral(" In Correct Guess ") + lineBreak
        + QStringLiteral("Total Scores Was ") + score + lineBreak + QStringLiteral("Have A Nice Day GoodBye");
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
        struct
        {
            float top = NAN, left = NAN;
        } before;
        attempt([&] { before.top = window.top(); });
        attempt([&] { before.left = window.left(); });

        attempt([&] { window.setTop(window.top() + Step); });
        attempt([&] { window.setLeft(window.left() + Step); });
        attempt([&] { window.setWidth(window.width() - 2 * Step); });
        attempt([&] { window.setHeight(window.height() - 2 * Step); });
        const bool goOn = window.showPass();
        ++passes;
        if (!goOn)
            break;

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
        if (top == before.top && left == before.left)
            break; // the platform no longer lets the window move
    }
    return passes;
}

} // namespace closing
