// Start-up, the choice of word length, and reading the word file into the
// word list.

#include "window/form1.h"

#include "platform/host.h"
#include "platform/runtimeerror.h"
#include "play/guess.h"
#include "widgets/accessibility.h"
#include "widgets/guessbox.h"
#include "widgets/wordlistbox.h"
#include "words/wordfiles.h"

#include <QLabel>

void Form1::Form_Load()
{
    StartTime = platform::timeOfDay(m_host.clock);
    SelectWordLength(8);
}

void Form1::Option8_Click()
{
    SelectWordLength(8);
}

void Form1::Option9_Click()
{
    SelectWordLength(9);
}

void Form1::Option10_Click()
{
    SelectWordLength(10);
}

void Form1::Option11_Click()
{
    SelectWordLength(11);
}

void Form1::Option12_Click()
{
    SelectWordLength(12);
}

void Form1::SelectWordLength(int length)
{
    WordFile = words::wordFilePath(m_host.programDirectory, words::wordFileName(length));
    GuessWord->setMaxLength(length);
    CountWords();
    LoadWordList();
    // Only the words a player can type are drawn. A file without one (an
    // empty one among them) is as good as missing.
    m_playable = play::playableEntries(WordList->entries(), length);
    if (m_playable.empty())
        ReportUnusableWordFile();
    PickNewWord();
    // The new word's guess starts at the first tile, whatever was typed or
    // judged before the switch.
    TypedCount = 0;
    m_screenReader->announceWord(TextBox1->text());
}

void Form1::CountWords()
{
    try {
        words::countEntries(WordFile, WordCount);
    } catch (const platform::RuntimeError &error) {
        // Any other failure keeps the count reached so far.
        if (error.code() == platform::FileNotFound)
            ReportUnusableWordFile();
    }
}

void Form1::ReportUnusableWordFile()
{
    m_host.messageBox.show(
        QStringLiteral("Can Not Find File ") + WordFile + QStringLiteral(" It's Missing or Corrupted"),
        QStringLiteral("Error"), platform::CriticalOk);
    m_host.programEnd.end(platform::MissingWordFileExit);
}

void Form1::LoadWordList()
{
    words::EntryList entries;
    entries.append(words::Separator);
    try {
        words::loadEntries(WordFile, entries);
    } catch (const platform::RuntimeError &) {
        // The file went missing or unreadable after it was counted.
        ReportUnusableWordFile();
    }
    // If the file changed after it was counted, the list is what is played.
    WordCount = static_cast<std::int32_t>(entries.size() - 1);
    WordList->setEntries(std::move(entries));
}
