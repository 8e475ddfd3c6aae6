#ifndef TANGLEWICK_WIDGETS_SHAPES_H
#define TANGLEWICK_WIDGETS_SHAPES_H

#include <QColor>
#include <QWidget>

// A rectangle drawn as a one-pixel outline with a transparent inside: the
// frames around the letter tiles.
class Shape : public QWidget
{
    Q_OBJECT
public:
    Shape(const QColor &outline, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_outline;
};

// A solid horizontal rule one pixel wide.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(const QColor &colour, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

#endif
