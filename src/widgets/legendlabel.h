#ifndef TANGLEWICK_WIDGETS_LEGENDLABEL_H
#define TANGLEWICK_WIDGETS_LEGENDLABEL_H

#include <QLabel>

// A label that wraps its caption at spaces within its width and sets each
// line a fixed step below the one before, so that the lines of the word
// length legend stand beside the option buttons they name.
class LegendLabel : public QLabel
{
    Q_OBJECT
public:
    LegendLabel(const QString &text, int lineStep, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_lineStep;
};

#endif
