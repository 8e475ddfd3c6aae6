// Drawing a word and scrambling it; guessing it; the New Word and Show Word
// commands.

#include "form1.h"

#include "guessbox.h"
#include "host.h"
#include "scramble.h"
#include "wordlistbox.h"

#include <QLabel>

#include <algorithm>

void Form1::PickNewWord()
{
    m_host.random.reseed(platform::timeOfDay(m_host.clock));
    PickIndex = play::drawIndex(m_host.random.next(), WordCount);
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
