#include "form1.h"

#include "guessbox.h"
#include "host.h"
#include "layout.h"
#include "shapes.h"
#include "wordlistbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int TileCount = 12;

template<typename Control> Control *place(Control *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(layout::toPixels(layout::placeOf(name)));
    return control;
}

QLineEdit *textBox(QWidget *parent, const char *name, const QString &text = {})
{
    auto *box = place(new QLineEdit(text, parent), name);
    return box;
}
} // namespace

Form1::Form1(platform::Host &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setWindowTitle(QString(83, QLatin1Char(' ')) + QStringLiteral("Tanglewick"));
    setFixedSize(layout::toPixels(layout::ClientArea).size());
    createControls();
    connectEvents();
}

void Form1::createControls()
{
    for (int i = 1; i <= TileCount; ++i) {
        Shape1.add(i, new Shape(QColor(0x00, 0x00, 0xC0), this));
        Shape1(i)->setGeometry(layout::toPixels(layout::shape1Rect(i)));
        Shape1.add(i + 14, new Shape(QColor(0x00, 0x00, 0xC0), this));
        Shape1(i + 14)->setGeometry(layout::toPixels(layout::shape1Rect(i + 14)));
    }
    for (int i = 1; i <= TileCount; ++i) {
        Label1.add(i, new QLabel(this));
        Label1(i)->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1(i)->setGeometry(layout::toPixels(layout::label1Rect(i)));
        Label2.add(i, new QLabel(this));
        Label2(i)->setObjectName(QStringLiteral("Label2_%1").arg(i));
        Label2(i)->setGeometry(layout::toPixels(layout::label2Rect(i)));
    }
    Line1 = place(new Line(Qt::black, this), "Line1");
    Line2 = place(new Line(Qt::black, this), "Line2");

    Option8 = place(new QRadioButton(QStringLiteral("Option1"), this), "Option8");
    Option9 = place(new QRadioButton(QStringLiteral("Option2"), this), "Option9");
    Option10 = place(new QRadioButton(QStringLiteral("Option3"), this), "Option10");
    Option11 = place(new QRadioButton(QStringLiteral("Option4"), this), "Option11");
    Option12 = place(new QRadioButton(QStringLiteral("Option5"), this), "Option12");
    Option8->setChecked(true);
    Label5 = place(new QLabel(QStringLiteral("08 Word 09 Word 10 Word 11 Word 12 Word"), this), "Label5");
    Label3 = place(new QLabel(QStringLiteral("Enter Your Guess Word :"), this), "Label3");
    GuessWord = place(new GuessBox(this), "GuessWord");
    GetNewWord = place(new QPushButton(QStringLiteral("New Word"), this), "GetNewWord");
    ShowWord = place(new QPushButton(this), "ShowWord");

    Text1 = textBox(this, "Text1", QStringLiteral("InCorrect !!!"));
    Text3 = textBox(this, "Text3", QStringLiteral("Congratulations !!! Your Word Is Correct."));
    Text1->raise();
    Text1->hide();
    Text3->hide();
    Label4 = place(new QLabel(QStringLiteral("Total Scores :"), this), "Label4");
    Text2 = textBox(this, "Text2", QStringLiteral("0"));
    Label6 = place(new QLabel(this), "Label6");

    WordList = place(new WordListBox(this), "WordList");
    TextBox1 = textBox(this, "TextBox1");
    PickWord = textBox(this, "PickWord");
    Cword = textBox(this, "Cword", QStringLiteral("1"));
    InCor = textBox(this, "InCor", QStringLiteral("0"));
}

void Form1::connectEvents()
{
    const auto onSelected = [this](QRadioButton *option, void (Form1::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected)
                onEvent([this, handler] { (this->*handler)(); });
        });
    };
    onSelected(Option8, &Form1::Option8_Click);
    onSelected(Option9, &Form1::Option9_Click);
    onSelected(Option10, &Form1::Option10_Click);
    onSelected(Option11, &Form1::Option11_Click);
    onSelected(Option12, &Form1::Option12_Click);
}

void Form1::onEvent(const std::function<void()> &handler)
{
    platform::runEvent(m_host, handler);
}
