// Drawing a word and scrambling it; guessing it; the New Word and Show Word
// commands.

#include "form1.h"

#include "countertext.h"
#include "guess.h"
#include "guessbox.h"
#include "host.h"
#include "runtimeerror.h"
#include "scramble.h"
#include "wordlistbox.h"

#include <QLabel>

#include <algorithm>

void Form1::PickNewWord()
{
    m_host.random.reseed(platform::timeOfDay(m_host.clock));
    PickIndex = play::drawIndex(m_host.random.next(), WordCount);
    // An entry no one could type (a blank line, other letters, too long for
    // the guess box) is passed over for the next one that can be played.
    if (const qsizetype playable = play::nextPlayable(WordList->entries(), PickIndex, GuessWord->maxLength()))
        PickIndex = static_cast<std::int32_t>(playable);
    TextBox1->setText(WordList->item(PickIndex));
    TextBox1->setText(TextBox1->text().toUpper());
    PickWord->setText(TextBox1->text());
    ScrambleWord();
    for (int LetterIndex = 1; LetterIndex <= 12; ++LetterIndex)
        Label1(LetterIndex)->setText({});
    for (int LetterIndex = 1; LetterIndex <= 12; ++LetterIndex)
        Label2(LetterIndex)->setText({});
    // A word longer than the twelve tiles shows its first twelve letters.
    const qsizetype n = std::min<qsizetype>(TextBox1->text().size(), 12);
    for (int LetterIndex = 1; LetterIndex <= n; ++LetterIndex)
        Label1(LetterIndex)->setText(TextBox1->text().at(LetterIndex - 1));
    GuessWord->setVisible(true);
    GuessWord->setText({});
}

void Form1::ScrambleWord()
{
    TextBox1->setText(play::ScrambleWord(TextBox1->text(), m_host.random));
}

// The key handler of the guess box, step by step. A failing step ends the
// handler silently, except a missing Label2 tile (340): that resets the count
// to 1 and goes on with the next step.
void Form1::GuessWord_KeyPress(std::int16_t &KeyAscii)
{
    int step = 1;
    while (step != End) {
        try {
            step = KeyPressStep(step, KeyAscii);
        } catch (const platform::RuntimeError &error) {
            if (error.code() != platform::ControlArrayElementMissing)
                return;
            TypedCount = 1;
            ++step;
        }
    }
}

// Runs one step of the key handler and gives the number of the next.
int Form1::KeyPressStep(int step, std::int16_t &KeyAscii)
{
    switch (step) {
    case 1:
        KeyAscii = static_cast<std::int16_t>(QChar(static_cast<char16_t>(KeyAscii)).toUpper().unicode());
        return 2;
    case 2: // The guess is complete: any key judges it.
        return TypedCount == GuessWord->maxLength() ? 3 : 5;
    case 3:
        CheckGuess();
        return End;
    case 5:
        return KeyAscii == 8 ? 6 : 9;
    case 6:
        Label2(TypedCount)->setText({});
        return 7;
    case 7:
        TypedCount = platform::toInt16(TypedCount - 1);
        return End;
    case 9:
        return KeyAscii == 13 ? 10 : 12;
    case 10:
        CheckGuess();
        return End;
    case 12:
        TypedCount = platform::toInt16(TypedCount + 1);
        return 13;
    case 13:
        Text1->hide();
        return 14;
    case 14:
        return KeyAscii < 65 ? 15 : 16;
    case 15:
        KeyAscii = 0;
        return 16;
    case 16:
        return KeyAscii > 90 ? 17 : 18;
    case 17:
        KeyAscii = 0;
        return 18;
    case 18:
        // A discarded key blanks its tile.
        Label2(TypedCount)->setText(KeyAscii == 0 ? QString() : QString(QChar(static_cast<char16_t>(KeyAscii))));
        return End;
    default:
        return End;
    }
}

void Form1::CheckGuess()
{
    if (!play::isRightGuess(GuessWord->text(), PickWord->text(), WordList->entries())) {
        Text1->show();
        GuessWord->setText({});
        for (int LetterIndex = 1; LetterIndex <= 12; ++LetterIndex)
            Label2(LetterIndex)->setText({});
        TypedCount = 0;
        InCor->setText(play::incrementCounterText(InCor->text()));
        return;
    }
    Text3->show();
    Text2->setText(play::incrementCounterText(Text2->text()));
    GuessWord->hide();
}

void Form1::GetNewWord_Click()
{
    Cword->setText(play::incrementCounterText(Cword->text()));
    for (int LetterIndex = 1; LetterIndex <= 12; ++LetterIndex)
        Label2(LetterIndex)->setText({});
    for (int LetterIndex = 1; LetterIndex <= 12; ++LetterIndex)
        Label1(LetterIndex)->setText({});
    GuessWord->setText({});
    TextBox1->setText({});
    PickWord->setText({});
    Text3->hide();
    Text1->hide();
    PickNewWord();
    GuessWord->show();
    GuessWord->setFocus();
    TypedCount = 0;
}

void Form1::ShowWord_Click()
{
    GuessWord->hide();
    for (int LetterIndex = 1; LetterIndex <= 12; ++LetterIndex)
        Label2(LetterIndex)->setText({});
    // An answer longer than the twelve tiles shows its first twelve letters.
    const qsizetype bound = std::min<qsizetype>(PickWord->text().size(), 12);
    for (int LetterIndex = 1; LetterIndex <= bound; ++LetterIndex)
        Label2(LetterIndex)->setText(PickWord->text().at(LetterIndex - 1));
}
