// What the window's geometry table cannot say by itself, run at scales 1
// and 2: the order Tab visits the controls in, what is drawn above what, in
// which colours and faces, the game's icon, the legend beside the round
// buttons; and the message box the game speaks through. That the window
// keeps its colours under a dark desktop scheme, tests/e2e/dark_scheme.sh
// checks on a real one.

#include "app/systemhost.h"
#include "game.h"

#include <QBitmap>
#include <QFontDatabase>
#include <QMessageBox>
#include <QRegion>
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

    // What the window's geometry table cannot say by itself (run at scales 1
    // and 2 too): the order Tab visits the controls in, ...
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

    // ... what is drawn above what, in which colours and bold faces, with
    // which icon, ...
    void drawnInItsColoursAndFaces()
    {
        for (const QString &verdict : {u"Text1"_s, u"Text3"_s})
            m_game->get(verdict)->show();
        for (const QString &name : {u"Text1"_s, u"GuessWord"_s, u"Text2"_s, u"GetNewWord"_s})
            QCOMPARE(
                m_game->form.childAt(m_game->get<QWidget>(name)->pos() + QPoint(2, 2)), m_game->get<QWidget>(name));
        m_game->get(u"Text1"_s)->hide();
        const QImage image = m_game->form.grab().toImage();
        image.save(qEnvironmentVariable("TANGLEWICK_TEST_OUTPUT", u"."_s)
            + u"/window-scale-%1.png"_s.arg(image.devicePixelRatio()));
        const auto at = [&](const char *name, int x, int y) {
            const QPoint spot = m_game->get<QWidget>(QLatin1String(name))->pos() + QPoint(x, y);
            return image.pixelColor(spot * image.devicePixelRatio()).name();
        };
        // White tiles, blue frames (a bottom edge, a row's first left edge) with the window's grey inside, black rules
        // from end to end, the grey window.
        QCOMPARE(u"tile=%1 frame=%2,%3 inside=%4 rules=%5,%6 window=%7"_s.arg(at("Label2_12", 16, 16),
                     at("Shape1_26", 24, 48), at("Shape1_15", 0, 24), at("Shape1_15", 3, 24), at("Line1", 679, 0),
                     at("Line2", 0, 0), at("Label6", 690, 0)),
            u"tile=#ffffff frame=#0000c0,#0000c0 inside=#c0c0c0 rules=#000000,#000000 window=#c0c0c0"_s);
        // The congratulation is written in red.
        const QImage verdict
            = m_game->get<QWidget>(u"Text3"_s)->grab().toImage().convertToFormat(QImage::Format_Indexed8);
        QVERIFY(verdict.colorTable().contains(qRgb(255, 0, 0)));
        // Courier New and MS Sans Serif where they are installed, else their metric-compatible stand-ins.
        const auto firstInstalled = [](QStringList faces) {
            faces.removeIf(
                [](const QString &face) { return !QFontDatabase::families().contains(face, Qt::CaseInsensitive); });
            return faces.value(0);
        };
        const QString fixed = firstInstalled({u"Courier New"_s, u"Liberation Mono"_s, u"DejaVu Sans Mono"_s}),
                      sans = firstInstalled({u"MS Sans Serif"_s, u"Liberation Sans"_s, u"DejaVu Sans"_s});
        QString faces;
        for (const char *name : {"Label2_12", "Label5", "GuessWord", "Label4", "Text3", "GetNewWord", "Text2"}) {
            const QFontInfo font(m_game->get<QWidget>(QLatin1String(name))->font());
            faces += u"%1 %2 %3, "_s.arg(font.family()).arg(font.pixelSize()).arg(font.bold() ? "bold" : "light");
        }
        // The window carries the game's own icon.
        QCOMPARE(m_game->form.windowIcon().pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
            QImage(u":/icons/tanglewick-32.png"_s).convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(faces,
            u"%1 27 bold, %1 13 bold, %1 16 bold, %2 13 bold, %2 13 bold, %2 16 bold, %2 16 bold, "_s.arg(fixed, sans));
        // MS Sans Serif is a face of bitmaps: scaled up, its ink sits as its nearest strike has it.
        if (image.devicePixelRatio() > 1 && sans == u"MS Sans Serif"_s)
            QSKIP("The captions' face, MS Sans Serif, has bitmaps alone: their ink is not placed at this scale");
        // The captions' ink is centred across their labels and set at the top.
        for (const char *name : {"Label3", "Label4"}) {
            const QImage caption = m_game->get<QWidget>(QLatin1String(name))->grab().toImage();
            const QRect ink = QRegion(QBitmap::fromImage(caption.createHeuristicMask())).boundingRect();
            QCOMPARE_LE(qAbs(ink.left() + ink.right() + 1 - caption.width()), 2 * caption.devicePixelRatio());
            QCOMPARE_LE(ink.top(), 3 * caption.devicePixelRatio());
        }
    }

    // ... and the legend: five lines from its left edge, each beside its round button.
    void legendBreaksIntoFiveLinesBesideTheButtons()
    {
        QWidget *legend = m_game->get<QWidget>(u"Label5"_s);
        const QImage image = legend->grab().toImage();
        QList<qreal> lines; // the middle of each run of rows with ink, in the window
        for (int y = 0, top = -1; y <= image.height(); ++y) {
            bool ink = false;
            for (int x = 0; y < image.height() && x < image.width(); ++x)
                ink = ink || qGray(image.pixel(x, y)) < 96;
            if (ink && top < 0)
                top = y;
            if (!ink && top >= 0)
                lines << legend->y() + (top + y) / 2.0 / image.devicePixelRatio() - 0.5;
            top = ink ? top : -1;
        }
        QCOMPARE(lines.size(), 5);
        for (int n = 8; n <= 12; ++n)
            QCOMPARE_LE(qAbs(lines[n - 8] - m_game->get<QWidget>(u"Option%1"_s.arg(n))->geometry().center().y()), 3);
        QCOMPARE_LT(
            QRegion(QBitmap::fromImage(image.createHeuristicMask())).boundingRect().left(), image.devicePixelRatio());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
