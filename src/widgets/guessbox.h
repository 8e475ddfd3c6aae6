#ifndef TANGLEWICK_WIDGETS_GUESSBOX_H
#define TANGLEWICK_WIDGETS_GUESSBOX_H

#include <QLineEdit>

#include <cstdint>
#include <optional>

class QKeyEvent;

// The character codes of the keys the guess box's key handler treats apart.
namespace KeyCode {
inline constexpr std::int16_t Backspace = 8;
inline constexpr std::int16_t Enter = 13;
} // namespace KeyCode

// The character code a key press gives the guess box's key handler, or
// nothing for keys that type no character (arrows, Home, End, Delete,
// function keys, Shift, Alt combinations). Backspace is 8, Enter 13, and
// Ctrl with a letter its control character (Ctrl+A is 1).
std::optional<std::int16_t> characterCode(const QKeyEvent &event);

// A key's path: keyPressEvent() takes its character code (characterCode()),
// hands it to the key handler (the window, which runs GuessWord_KeyPress
// with it, guarded), and the box receives the code the handler left
// (receive()).
//
// The single-line box the player types the guess into. Each key that types
// a character first goes to the key handler, which may change the code or
// discard the key (0); only what it leaves reaches the box. Pasting,
// dragging text in and input-method text are refused: every character in
// the box came through the key handler.
class GuessBox : public QLineEdit
{
    Q_OBJECT
public:
    // What sees each key first: it may change the code, or discard the key
    // by setting it to 0.
    class KeyPressHandler
    {
    public:
        virtual void onKeyPress(std::int16_t &KeyAscii) = 0;

    protected:
        ~KeyPressHandler() = default;
    };

    explicit GuessBox(QWidget *parent);
    void setKeyPressHandler(KeyPressHandler *handler) { m_keyPress = handler; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void inputMethodEvent(QInputMethodEvent *) override { }

private:
    void receive(std::int16_t KeyAscii);

    KeyPressHandler *m_keyPress = nullptr;
};

#endif
