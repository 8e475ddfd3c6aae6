// A plain Qt Widgets window with about the controls of the game's window,
// in the default font and style, with no word list: what any small Qt
// program showing such a window costs to start. The game's start-up is
// measured against it.
//
// Its window is grey and its letter tiles white, as the game's are, so the
// start-up probe sees it painted the same way.
//
// With --game-fonts its text is set in the game's five bold fonts instead,
// which tells apart what the game's fonts cost from what the game itself
// costs.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

namespace {
// A one-pixel outline of the widget's rectangle; one pixel high, a rule.
class Outline : public QWidget
{
public:
    Outline(const QRect &geometry, QWidget *parent)
        : QWidget(parent)
    {
        setGeometry(geometry);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

template<typename Control> Control *placed(Control *control, int x, int y, int width, int height)
{
    control->setGeometry(x, y, width, height);
    return control;
}

// The font each kind of control is set in: the default one, or with
// --game-fonts the game's.
struct Fonts
{
    std::optional<QFont> tile, legend, guess, caption, large;

    static QFont bold(const char *face, int pixels)
    {
        QFont font(QString::fromLatin1(face));
        font.setPixelSize(pixels);
        font.setBold(true);
        return font;
    }

    void set(QWidget *control, const std::optional<QFont> &font) const
    {
        if (font)
            control->setFont(*font);
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Fonts fonts;
    if (QCoreApplication::arguments().contains(QStringLiteral("--game-fonts"))) {
        fonts.tile = Fonts::bold("Liberation Mono", 27);
        fonts.legend = Fonts::bold("Liberation Mono", 13);
        fonts.guess = Fonts::bold("Liberation Mono", 16);
        fonts.caption = Fonts::bold("Liberation Sans", 13);
        fonts.large = Fonts::bold("Liberation Sans", 16);
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("Plain window"));
    window.setFixedSize(698, 280);
    QPalette grey = window.palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    window.setPalette(grey);

    // Two rows of twelve framed tiles, the upper one lettered, between rules.
    for (int i = 0; i < 12; ++i) {
        for (const int top : {16, 96}) {
            new Outline(QRect(48 + 48 * i, top, 49, 49), &window);
            auto *tile = placed(new QLabel(&window), 56 + 48 * i, top + 8, 33, 33);
            tile->setAlignment(Qt::AlignCenter);
            fonts.set(tile, fonts.tile);
            tile->setBackgroundRole(QPalette::Base);
            tile->setAutoFillBackground(true);
            if (top == 16)
                tile->setText(QString(QChar(u'A' + i)));
        }
    }
    new Outline(QRect(0, 80, 680, 1), &window);
    new Outline(QRect(0, 168, 680, 1), &window);

    for (int i = 0; i < 5; ++i)
        placed(new QRadioButton(&window), 8, 184 + 16 * i, 13, 13)->setChecked(i == 0);
    auto *legend
        = placed(new QLabel(QStringLiteral("08 Word 09 Word 10 Word 11 Word 12 Word"), &window), 32, 183, 57, 81);
    legend->setWordWrap(true);
    fonts.set(legend, fonts.legend);
    fonts.set(placed(new QLabel(QStringLiteral("Enter Your Guess Word :"), &window), 112, 187, 193, 25), fonts.caption);
    fonts.set(placed(new QLabel(QStringLiteral("Total Scores :"), &window), 496, 232, 105, 25), fonts.caption);
    placed(new QLabel(&window), 0, 264, 697, 9);

    auto *typing = placed(new QLineEdit(&window), 304, 184, 161, 25);
    fonts.set(typing, fonts.guess);
    fonts.set(placed(new QPushButton(QStringLiteral("New Word"), &window), 496, 184, 161, 25), fonts.large);
    placed(new QPushButton(&window), 664, 184, 9, 9);
    for (const char *text : {"Correct.", "Incorrect."}) {
        auto *message = placed(new QLineEdit(QString::fromLatin1(text), &window), 144, 232, 321, 25);
        message->setReadOnly(true);
        fonts.set(message, fonts.caption);
        message->hide();
    }
    auto *score = placed(new QLineEdit(QStringLiteral("0"), &window), 600, 232, 57, 25);
    score->setReadOnly(true);
    fonts.set(score, fonts.large);

    // Below the window's bottom edge, never seen.
    placed(new QListView(&window), 240, 288, 193, 160);
    for (int i = 0; i < 4; ++i)
        placed(new QLineEdit(&window), 456, 296 + 32 * i, 177, 25);

    typing->setFocus();
    window.show();
    return app.exec();
}
