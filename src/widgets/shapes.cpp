#include "widgets/shapes.h"

#include <QPainter>

Shape::Shape(const QColor &outline, QWidget *parent)
    : QWidget(parent)
    , m_outline(outline)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_outline, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

Line::Line(const QColor &colour, QWidget *parent)
    : QWidget(parent)
    , m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, 1));
    painter.drawLine(0, 0, width() - 1, 0);
}
