#include "widgets/legendlabel.h"

#include <QPainter>
#include <QTextLayout>

LegendLabel::LegendLabel(const QString &text, int lineStep, QWidget *parent)
    : QLabel(text, parent)
    , m_lineStep(lineStep)
{ }

void LegendLabel::paintEvent(QPaintEvent *)
{
    // The background is filled already: the legend is an opaque label. A
    // painter on a widget starts with its text colour as the pen.
    QPainter painter(this);

    QTextLayout textLayout(text(), font(), this); // wrapping at word breaks, as a layout does unless told otherwise
    textLayout.beginLayout();
    // Each line is centred in its step.
    const qreal lineTop = (m_lineStep - fontMetrics().height()) / 2.0;
    for (int index = 0;; ++index) {
        QTextLine line = textLayout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width());
        line.setPosition(QPointF(0, lineTop + index * m_lineStep));
    }
    textLayout.endLayout();
    textLayout.draw(&painter, QPointF(0, 0));
}
