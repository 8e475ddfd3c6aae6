#ifndef TANGLEWICK_APP_ACCESSIBILITY_H
#define TANGLEWICK_APP_ACCESSIBILITY_H

#include <QLabel>

#include <functional>

// A letter tile. A screen reader speaks its place ("Scrambled letter 3")
// as its name and its letter as its value.
class TileLabel : public QLabel
{
    Q_OBJECT
public:
    TileLabel(const QString &accessibleName, QWidget *parent);
};

// Names every control of the game's window (found by their object names) as
// a screen reader should speak it, and has the verdict messages announced
// when they appear. Nothing a sighted player sees changes.
void describeForScreenReaders(QWidget &window);

// Told of every announcement as well, so that tests can hear them on
// platforms without a screen-reader bridge.
void setAnnouncementListener(std::function<void(QObject *)> listener);

#endif
