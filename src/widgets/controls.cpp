#include "widgets/controls.h"

#include <QFontDatabase>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace controls {

namespace {
// The first of the faces that is installed. Where the window's own face is
// absent, a metric-compatible one stands in; asking for it by name spares the
// font matching a search through stand-ins for every font.
QString installedFace(const QStringList &installed, std::initializer_list<const char *> faces)
{
    for (const char *face : faces) {
        if (installed.contains(QLatin1String(face), Qt::CaseInsensitive))
            return QLatin1String(face);
    }
    return QLatin1String(*faces.begin());
}

QFont boldFont(const QString &face, QFont::StyleHint hint, double points)
{
    QFont font(face);
    font.setStyleHint(hint);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(true);
    // Letters of a fixed-pitch face need no shaping: they stand side by side.
    if (hint == QFont::TypeWriter)
        font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
} // namespace

Fonts::Fonts()
{
    const QStringList installed = QFontDatabase::families();
    const QString fixed = installedFace(installed, {"Courier New", "Liberation Mono", "DejaVu Sans Mono"});
    const QString sans = installedFace(installed, {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"});
    tile = boldFont(fixed, QFont::TypeWriter, 20.25);
    legend = boldFont(fixed, QFont::TypeWriter, 9.75);
    guess = boldFont(fixed, QFont::TypeWriter, 12);
    caption = boldFont(sans, QFont::SansSerif, 9.75);
    large = boldFont(sans, QFont::SansSerif, 12);
}

// The 32-pixel icon, as the window manager shows it; the desktop takes larger
// sizes from the installed icon theme. The file is read as the PNG it is,
// since guessing its format would load every image plugin.
QIcon windowIcon()
{
    QImageReader reader(QStringLiteral(":/icons/tanglewick-32.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

QPalette gamePalette(const QPalette &standard)
{
    QPalette palette = standard;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, LightGrey);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    // Every role marked as the window's own, so none is taken from the
    // desktop's palette.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    return palette;
}

void describe(QWidget *control, const layout::Control &row)
{
    if (!row.spokenName.empty())
        control->setAccessibleName(QString::fromLatin1(row.spokenName));
    if (!row.description.empty())
        control->setAccessibleDescription(QString::fromLatin1(row.description));
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void paintBackground(QWidget *widget, const QColor &colour)
{
    setColour(widget, QPalette::Window, colour);
    widget->setAutoFillBackground(true);
}

QLabel *tile(
    QWidget *parent, const QString &name, const QString &spokenPlace, const layout::TwipRect &rect, const QFont &font)
{
    auto *label = place(new QLabel(parent), name, rect);
    // A screen reader reads the tile's letter as its name.
    label->setAccessibleDescription(spokenPlace);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    paintBackground(label, Qt::white);
    return label;
}

QLabel *caption(QWidget *parent, const char *name, const QString &text, const QFont &font)
{
    auto *label = place(new QLabel(text, parent), name);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    return label;
}

QLineEdit *readOnlyBox(QWidget *parent, const char *name, const QString &text, const QFont &font)
{
    // The font goes first: a box lays its text out anew for each font.
    auto *box = place(new QLineEdit(parent), name);
    box->setFont(font);
    box->setText(text);
    box->setAlignment(Qt::AlignCenter);
    box->setReadOnly(true);
    return box;
}

QPushButton *greyButton(QWidget *parent, const char *name, const QString &text)
{
    auto *button = place(new QPushButton(text, parent), name);
    // Neither is the window's default button, but Enter presses the one
    // that has the focus.
    button->setAutoDefault(true);
    return button;
}

} // namespace controls
