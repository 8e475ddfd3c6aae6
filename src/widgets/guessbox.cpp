#include "widgets/guessbox.h"

#include "play/guess.h"

#include <QKeyEvent>
#include <QKeySequence>

std::optional<std::int16_t> characterCode(const QKeyEvent &event)
{
    const int key = event.key();
    if (key == Qt::Key_Backspace)
        return KeyCode::Backspace;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return KeyCode::Enter;
    if (key == Qt::Key_Delete)
        return std::nullopt;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::ControlModifier) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z && !(modifiers & Qt::AltModifier))
            return static_cast<std::int16_t>(key - Qt::Key_A + 1);
        return std::nullopt;
    }
    if (modifiers & Qt::AltModifier)
        return std::nullopt;
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    // A character outside the basic plane comes as a surrogate pair; its
    // first half stands for it, and as a non-letter it is swallowed.
    return static_cast<std::int16_t>(text.at(0).unicode());
}

GuessBox::GuessBox(QWidget *parent)
    : QLineEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

// An input method told the box takes its text would take the player's keys
// and hand back text that skips the key handler: told it does not, it
// leaves the keys to come as keys. Anything one sends regardless is dropped.
QVariant GuessBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query);
}

void GuessBox::keyPressEvent(QKeyEvent *event)
{
    const std::optional<std::int16_t> code = characterCode(*event);
    if (!code) {
        // Keys that type nothing edit or move as in any box, but nothing may
        // be pasted past the key handler.
        if (event->matches(QKeySequence::Paste) || !event->text().isEmpty())
            event->ignore();
        else
            QLineEdit::keyPressEvent(event);
        return;
    }
    std::int16_t KeyAscii = *code;
    if (m_keyPress)
        m_keyPress->onKeyPress(KeyAscii);
    receive(KeyAscii);
    event->accept();
}

// The box receives the key code the handler left: Backspace deletes, Enter
// does nothing in a single-line box, 0 discards the key, and a letter is
// typed (up to the box's maximum length). Nothing else is ever typed into
// the box, so it holds letters A to Z only.
void GuessBox::receive(std::int16_t KeyAscii)
{
    if (KeyAscii == KeyCode::Backspace)
        backspace();
    else if (play::isCapitalLetter(static_cast<char16_t>(KeyAscii)))
        insert(QString(QChar(static_cast<char16_t>(KeyAscii))));
}

void GuessBox::mouseReleaseEvent(QMouseEvent *event)
{
    // A middle click would paste the X11 selection into the box.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
