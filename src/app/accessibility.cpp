#include "accessibility.h"

#include "form1.h"
#include "guessbox.h"
#include "wordlistbox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
class TileAccessible : public QAccessibleWidget
{
public:
    explicit TileAccessible(QWidget *tile)
        : QAccessibleWidget(tile, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *tileFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TileLabel") && object && object->isWidgetType())
        return new TileAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

std::function<void(QObject *)> announcementListener;

// Raises an alert for a message box of the window each time it is shown.
class Announcer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleEvent alert(watched, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
            if (announcementListener)
                announcementListener(watched);
        }
        return false;
    }
};
} // namespace

TileLabel::TileLabel(const QString &accessibleName, QWidget *parent)
    : QLabel(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(tileFactory), true);
    Q_UNUSED(factoryInstalled);
    setAccessibleName(accessibleName);
}

void setAnnouncementListener(std::function<void(QObject *)> listener)
{
    announcementListener = std::move(listener);
}

void describeForScreenReaders(Form1 &form)
{
    const QList<QPair<QWidget *, QString>> names{
        {form.GuessWord, QStringLiteral("Guess")},
        {form.GetNewWord, QStringLiteral("New Word")},
        {form.ShowWord, QStringLiteral("Show word")},
        {form.Text2, QStringLiteral("Score")},
        {form.Text1, QStringLiteral("Verdict")},
        {form.Text3, QStringLiteral("Verdict")},
        {form.Option8, QStringLiteral("8 letters")},
        {form.Option9, QStringLiteral("9 letters")},
        {form.Option10, QStringLiteral("10 letters")},
        {form.Option11, QStringLiteral("11 letters")},
        {form.Option12, QStringLiteral("12 letters")},
        {form.Label6, QStringLiteral("Copyright")},
        {form.WordList, QStringLiteral("Word list")},
        {form.TextBox1, QStringLiteral("Scrambled word")},
        {form.PickWord, QStringLiteral("Answer")},
        {form.Cword, QStringLiteral("Words played")},
        {form.InCor, QStringLiteral("Incorrect guesses")},
    };
    for (const auto &[control, name] : names)
        control->setAccessibleName(name);
    form.ShowWord->setAccessibleDescription(QStringLiteral("Shows the answer in the second row of tiles"));
    form.Label5->setAccessibleName(QStringLiteral("Word lengths"));

    auto *announcer = new Announcer(&form);
    form.Text1->installEventFilter(announcer);
    form.Text3->installEventFilter(announcer);
}
