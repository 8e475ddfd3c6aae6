#ifndef TANGLEWICK_APP_ACCESSIBILITY_H
#define TANGLEWICK_APP_ACCESSIBILITY_H

#include <functional>

class QObject;
class QWidget;

// Names every control of the game's window (found by their object names) as
// a screen reader should speak it, and has the verdict messages announced
// when they appear. (A tile reads as its letter, and its place is its
// description: see controls::tile.) Nothing a sighted player sees changes.
void describeForScreenReaders(QWidget &window);

// Told of every announcement as well, so that tests can hear them on
// platforms without a screen-reader bridge.
void setAnnouncementListener(std::function<void(QObject *)> listener);

#endif
