// A seeded storm of keys and clicks on the real window, with the game's
// promises checked after every event. Replay a failure with
// TANGLEWICK_SOAK_SEED=<seed>; TANGLEWICK_SOAK_EVENTS sets the length.

#include "fakehost.h"
#include "form1probe.h"
#include "guess.h"
#include "guessbox.h"
#include "wordlistbox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <random>

using namespace Qt::StringLiterals;

namespace {
struct SoakHost
{
    explicit SoakHost(quint64 seed)
        : random(clock, seed)
        , host{messageBox, programEnd, clock, random, QStringLiteral(TANGLEWICK_DATA_DIR)}
    { }
    RecordingMessageBox messageBox;
    ObservedEnd programEnd;
    FixedClock clock;
    platform::MixingRandom random;
    platform::Host host;
};

struct Counters
{
    double words;
    double incorrect;
    double score;
};

const QRegularExpression WholeNumber(u"^[0-9]+$"_s);
const QRegularExpression Letters(u"^[A-Z]*$"_s);
} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private:
    std::mt19937_64 m_dice;
    Form1Probe *m_ui = nullptr;
    QString m_pending; // keys of a guess being typed out in full

    static QKeyEvent letterKey(QChar letter)
    {
        return QKeyEvent(
            QEvent::KeyPress, Qt::Key_A + (letter.toLower().unicode() - u'a'), Qt::NoModifier, letter.toLower());
    }

    int roll(int sides) { return static_cast<int>(m_dice() % static_cast<quint64>(sides)); }

    // One key: mostly letters, often the answer's next letter so that right
    // guesses happen, and every other kind of key now and then.
    QKeyEvent nextKey()
    {
        if (!m_pending.isEmpty()) {
            const QChar next = m_pending.front();
            m_pending.remove(0, 1);
            return next == u'\r' ? QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s)
                                 : letterKey(next);
        }
        const int kind = roll(100);
        if (kind < 30) {
            const QString answer = m_ui->PickWord->text();
            const int at = std::clamp<int>(m_ui->GuessWord->text().size(), 0, std::max<int>(0, answer.size() - 1));
            const QChar letter = answer.isEmpty() ? u'e' : answer.at(at).toLower();
            return QKeyEvent(QEvent::KeyPress, Qt::Key_A + (letter.unicode() - u'a'), Qt::NoModifier, letter);
        }
        if (kind < 55) {
            const QChar letter(u'a' + roll(26));
            const bool shift = roll(4) == 0;
            return QKeyEvent(QEvent::KeyPress, Qt::Key_A + roll(26), shift ? Qt::ShiftModifier : Qt::NoModifier,
                shift ? letter.toUpper() : letter);
        }
        if (kind < 62)
            return QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s);
        if (kind < 68)
            return QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, u"\b"_s);
        if (kind < 73)
            return QKeyEvent(QEvent::KeyPress, Qt::Key_0 + roll(10), Qt::NoModifier, QString(QChar(u'0' + roll(10))));
        if (kind < 78) {
            const QString punctuation = u" .,;'!?-/*"_s;
            return QKeyEvent(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, punctuation.at(roll(10)));
        }
        if (kind < 82) {
            const int letter = roll(26);
            return QKeyEvent(QEvent::KeyPress, Qt::Key_A + letter, Qt::ControlModifier, QString(QChar(letter + 1)));
        }
        if (kind < 85)
            return QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, u"\x1b"_s);
        if (kind < 87)
            return QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, u"\t"_s);
        if (kind < 88)
            return QKeyEvent(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
        if (kind < 92) {
            const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
            return QKeyEvent(QEvent::KeyPress, arrows[roll(6)], Qt::NoModifier);
        }
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, u" "_s);
    }

    Counters counters() const
    {
        return {m_ui->Cword->text().toDouble(), m_ui->InCor->text().toDouble(), m_ui->Text2->text().toDouble()};
    }

    QString scrambledTiles() const
    {
        QString text;
        for (int i = 1; i <= 12; ++i)
            text += m_ui->Label1(i)->text();
        return text;
    }

private slots:
    void stormOfKeysAndClicks()
    {
        const QByteArray seedText = qgetenv("TANGLEWICK_SOAK_SEED");
        const quint64 seed = seedText.isEmpty() ? QRandomGenerator::global()->generate64() : seedText.toULongLong();
        const int events = qEnvironmentVariableIntValue("TANGLEWICK_SOAK_EVENTS") > 0
            ? qEnvironmentVariableIntValue("TANGLEWICK_SOAK_EVENTS")
            : 100000;
        qInfo("soak seed %llu, %d events", static_cast<unsigned long long>(seed), events);
        m_dice.seed(seed);

        SoakHost soak(seed);
        Form1 form(soak.host);
        Form1Probe ui(form);
        m_ui = &ui;
        form.load();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QRadioButton *options[] = {ui.Option8, ui.Option9, ui.Option10, ui.Option11, ui.Option12};

        Counters before = counters();
        for (int event = 0; event < events; ++event) {
            const QString where = u"seed %1, event %2"_s.arg(seed).arg(event);
            const int kind = roll(1000);
            bool checks = false;
            bool right = false;
            soak.clock.msecs = (soak.clock.msecs + 137) % (24 * 3600 * 1000);
            if (kind < 15) {
                QTest::mouseClick(ui.GetNewWord, Qt::LeftButton);
            } else if (kind < 25) {
                QTest::mouseClick(ui.ShowWord, Qt::LeftButton);
            } else if (kind < 33) {
                QTest::mouseClick(options[roll(5)], Qt::LeftButton);
            } else if (kind < 40) {
                ui.GuessWord->setFocus();
            } else if (kind < 60 && m_pending.isEmpty() && !ui.GuessWord->isHidden()) {
                // Type the answer out from a fresh guess, then press Enter.
                ui.GuessWord->setFocus();
                m_pending = ui.PickWord->text() + u"\r"_s;
            } else {
                QKeyEvent key = nextKey();
                QWidget *target = QApplication::focusWidget();
                // Foresee the verdict of a check this key will make.
                const std::optional<std::int16_t> code = characterCode(key);
                if (target == ui.GuessWord && code && (ui.TypedCount == ui.GuessWord->maxLength() || *code == 13)) {
                    checks = true;
                    right = play::isRightGuess(ui.GuessWord->text(), ui.PickWord->text(), ui.WordList->entries());
                }
                QKeyEvent release(QEvent::KeyRelease, key.key(), key.modifiers(), key.text());
                QApplication::sendEvent(target, &key);
                QApplication::sendEvent(target, &release);
            }

            QVERIFY2(
                soak.messageBox.shown.isEmpty(), qPrintable(where + u": "_s + soak.messageBox.shown.value(0).text));
            QVERIFY2(!soak.programEnd.status, qPrintable(where));
            const QString guess = ui.GuessWord->text();
            QVERIFY2(guess.size() <= ui.GuessWord->maxLength() && Letters.match(guess).hasMatch(),
                qPrintable(where + u": box holds "_s + guess));
            for (QLineEdit *counter : {ui.Cword, ui.InCor, ui.Text2})
                QVERIFY2(WholeNumber.match(counter->text()).hasMatch(), qPrintable(where + u": "_s + counter->text()));
            const Counters after = counters();
            QVERIFY2(after.words >= before.words, qPrintable(where));
            QVERIFY2(after.score - before.score == (checks && right ? 1 : 0), qPrintable(where + u": score"_s));
            QVERIFY2(
                after.incorrect - before.incorrect == (checks && !right ? 1 : 0), qPrintable(where + u": incorrect"_s));
            QVERIFY2(scrambledTiles() == ui.TextBox1->text().left(12), qPrintable(where));
            QVERIFY2(play::sameLetters(ui.TextBox1->text(), ui.PickWord->text()), qPrintable(where));
            QVERIFY2(play::isPlayable(ui.PickWord->text(), ui.GuessWord->maxLength()), qPrintable(where));
            before = after;
        }
        qInfo("soak: %d events; %s words played, %s incorrect, score %s", events, qPrintable(ui.Cword->text()),
            qPrintable(ui.InCor->text()), qPrintable(ui.Text2->text()));
        m_ui = nullptr;
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
