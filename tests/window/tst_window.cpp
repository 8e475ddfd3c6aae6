// What the window's geometry table cannot say by itself, at scales 1 and 2:
// the order Tab visits the controls in, what is drawn above what, the window
// as drawn against its picture, the game's icon; and the message box the game
// speaks through. tests/e2e/dark_scheme.sh checks its colours on a dark desktop.

#include "game.h"
#include "qtplatform/systemhost.h"
#include "widgets/layout.h"

#include <QMessageBox>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestWindow : public GameTest
{
    Q_OBJECT

private slots:
    void messageBoxShowsItsIcon()
    {
        QString seen;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            seen = u"title=%1 text=%2 icon=%3"_s.arg(box->windowTitle(), box->text()).arg(box->icon());
            box->accept();
        });
        platform::QtMessageBox().show(u"one\r\ntwo"_s, u"Title"_s, platform::CriticalOk);
        QCOMPARE(seen, u"title=Title text=one\ntwo icon=%1"_s.arg(QMessageBox::Critical));
    }

    void tabVisitsTheControlsInTheirOrder()
    {
        const auto visits = [](Qt::Key key) {
            QStringList seen{QApplication::focusWidget()->objectName()};
            do {
                QTest::keyClick(QApplication::focusWidget(), key);
                seen << QApplication::focusWidget()->objectName();
            } while (seen.back() != seen.front() && seen.size() < 20);
            return seen.join(u' ');
        };
        // Shown verdicts take their stops; the round buttons one, at the selected one.
        for (const char *verdict : {"Text1", "Text3"})
            m_game->get(QLatin1String(verdict))->show();
        run(*m_game, u"Option11 GuessWord"_s);
        QCOMPARE(visits(Qt::Key_Tab),
            u"GuessWord GetNewWord Text2 Text3 Option11 WordList PickWord TextBox1 Text1 ShowWord Cword InCor GuessWord"_s);
        QCOMPARE(visits(Qt::Key_Backtab),
            u"GuessWord InCor Cword ShowWord Text1 TextBox1 PickWord WordList Option11 Text3 Text2 GetNewWord GuessWord"_s);
    }

    void layoutTableHasNoRowForAnotherName()
    {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, layout::indexOf("NotInTheWindow"));
    }

    // What is drawn above what, and the window as drawn, pixel for pixel, against its picture in tests/window,
    // one for each platform's fonts and each scale: the tiles in their frames, the rules, the captions in their
    // faces, the legend's five lines beside the round buttons, the congratulation in red, a guess typed.
    void drawnAsItsPicture()
    {
        for (const QString &verdict : {u"Text1"_s, u"Text3"_s})
            m_game->get(verdict)->show();
        for (const QString &name : {u"Text1"_s, u"GuessWord"_s, u"Text2"_s, u"GetNewWord"_s})
            QCOMPARE(
                m_game->form.childAt(m_game->get<QWidget>(name)->pos() + QPoint(2, 2)), m_game->get<QWidget>(name));
        m_game->get(u"Text1"_s)->hide();
        run(*m_game, u"tri"_s);
        QApplication::setCursorFlashTime(0); // the caret stays, rather than blinking in and out of the picture
        const QImage drawn = m_game->form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString name = u"window-%1-scale-%2.png"_s.arg(QSysInfo::kernelType()).arg(drawn.devicePixelRatio());
        drawn.save(qEnvironmentVariable("TANGLEWICK_TEST_OUTPUT", u"."_s) + u"/drawn-"_s + name);
        const QImage picture = QImage(TANGLEWICK_PICTURES "/" + name).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(drawn == picture, qPrintable(name + u" differs from the window as drawn: drawn-"_s + name));
        // The window carries the game's own icon.
        QCOMPARE(m_game->form.windowIcon().pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
            QImage(u":/icons/tanglewick-32.png"_s).convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
