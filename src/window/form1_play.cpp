// Drawing a word and scrambling it; guessing it; the New Word and Show Word
// commands.

#include "window/form1.h"

#include "platform/host.h"
#include "platform/runtimeerror.h"
#include "play/countertext.h"
#include "play/draw.h"
#include "play/guess.h"
#include "play/scramble.h"
#include "widgets/accessibility.h"
#include "widgets/guessbox.h"
#include "widgets/layout.h"
#include "widgets/wordlistbox.h"

#include <QLabel>

#include <algorithm>

void Form1::PickNewWord()
{
    m_host.random.reseed(platform::timeOfDay(m_host.clock));
    // Every playable entry has the same chance; the others (blank lines,
    // other letters, words too long for the guess box) are never drawn.
    const auto drawn = play::drawIndex(m_host.random.next(), static_cast<std::int32_t>(m_playable.size()));
    PickIndex = m_playable[static_cast<std::size_t>(drawn - 1)];
    TextBox1->setText(WordList->entries().at(PickIndex).toString());
    TextBox1->setText(TextBox1->text().toUpper());
    PickWord->setText(TextBox1->text());
    ScrambleWord();
    clearTiles(Label1);
    clearTiles(Label2);
    showLetters(Label1, TextBox1->text());
    GuessWord->setVisible(true);
    GuessWord->setText({});
}

void Form1::ScrambleWord()
{
    TextBox1->setText(play::scrambleLetters(TextBox1->text(), m_host.random));
}

void Form1::clearTiles(const ControlArray<QLabel> &row)
{
    for (int LetterIndex = 1; LetterIndex <= layout::TileCount; ++LetterIndex)
        row(LetterIndex)->setText({});
}

// One letter a tile from the first; a text longer than the row shows its
// first twelve letters.
void Form1::showLetters(const ControlArray<QLabel> &row, const QString &text)
{
    const int count = static_cast<int>(std::min<qsizetype>(text.size(), layout::TileCount));
    for (int LetterIndex = 1; LetterIndex <= count; ++LetterIndex)
        row(LetterIndex)->setText(text.at(LetterIndex - 1));
}

// The key handler of the guess box. A failing step ends it silently, with
// the steps before it kept; a missing Label2 tile is the one failure it
// recovers from (setTypedTile).
void Form1::GuessWord_KeyPress(std::int16_t &KeyAscii)
{
    try {
        KeyAscii = static_cast<std::int16_t>(play::typedCapital(static_cast<char16_t>(KeyAscii)));
        // A complete guess is judged by whatever key comes next.
        if (TypedCount == GuessWord->maxLength()) {
            CheckGuess();
            return;
        }
        if (KeyAscii == KeyCode::Backspace) {
            setTypedTile({});
            TypedCount = platform::checkedNarrow<std::int16_t>(TypedCount - 1);
            return;
        }
        if (KeyAscii == KeyCode::Enter) {
            CheckGuess();
            return;
        }
        TypedCount = platform::checkedNarrow<std::int16_t>(TypedCount + 1);
        Text1->hide();
        // Any key but a letter is counted, but swallowed: its tile stays blank.
        if (!play::isCapitalLetter(static_cast<char16_t>(KeyAscii)))
            KeyAscii = 0;
        setTypedTile(KeyAscii == 0 ? QString() : QString(QChar(static_cast<char16_t>(KeyAscii))));
    } catch (const platform::RuntimeError &) {
        // Ends the key silently.
    }
}

// Writes the tile of the last counted key. A count that names no tile (0,
// or past the last) is set back to 1, and the key goes on without a tile.
void Form1::setTypedTile(const QString &text)
{
    try {
        Label2(TypedCount)->setText(text);
    } catch (const platform::RuntimeError &error) {
        if (error.code() != platform::ControlArrayElementMissing)
            throw;
        TypedCount = 1;
    }
}

void Form1::CheckGuess()
{
    if (play::isRightGuess(GuessWord->text(), PickWord->text(), WordList->entries())) {
        Text3->show();
        Text2->setText(play::incrementCounterText(Text2->text()));
        GuessWord->hide();
        m_screenReader->announceVerdict(Text3->text(), Text2->text());
        return;
    }
    Text1->show();
    GuessWord->setText({});
    clearTiles(Label2);
    TypedCount = 0;
    InCor->setText(play::incrementCounterText(InCor->text()));
    m_screenReader->announceVerdict(Text1->text());
}

void Form1::GetNewWord_Click()
{
    Cword->setText(play::incrementCounterText(Cword->text()));
    clearTiles(Label2);
    clearTiles(Label1);
    GuessWord->setText({});
    TextBox1->setText({});
    PickWord->setText({});
    Text3->hide();
    Text1->hide();
    PickNewWord();
    // Before the focus comes back to the guess box, so that a screen reader
    // hears the new word's letters there, once.
    m_screenReader->announceWord(TextBox1->text());
    GuessWord->show();
    GuessWord->setFocus();
    TypedCount = 0;
}

void Form1::ShowWord_Click()
{
    GuessWord->hide();
    clearTiles(Label2);
    showLetters(Label2, PickWord->text());
    m_screenReader->announceAnswer(PickWord->text());
}
