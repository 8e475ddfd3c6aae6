#include "fakehost.h"
#include "form1probe.h"
#include "guessbox.h"
#include "shapes.h"
#include "wordfixture.h"
#include "wordlistbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
// Twips to the window's pixels, 15 twips a pixel.
QRect pixels(int left, int top, int width, int height)
{
    const auto px = [](int twips) { return qRound(twips / 15.0); };
    return QRect(px(left), px(top), px(width), px(height));
}

QString outputPath(const QString &name)
{
    const QByteArray dir = qgetenv("TANGLEWICK_TEST_OUTPUT");
    return (dir.isEmpty() ? u"."_s : QString::fromLocal8Bit(dir)) + u"/"_s + name;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 96;
}
} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WordDirectory> m_words;
    std::unique_ptr<FakeHost> m_fake;
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<Form1Probe> m_ui;

    QWidget *child(const QString &name) const { return m_form->findChild<QWidget *>(name); }

    QStringList tabCycle(Qt::Key key, int presses)
    {
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            visited.append(QApplication::focusWidget()->objectName());
        }
        return visited;
    }

    // The window as drawn, at the display's device pixel ratio.
    QImage render(const QString &name)
    {
        const QImage image = m_form->grab().toImage();
        image.save(outputPath(name));
        return image;
    }

private slots:
    void init()
    {
        m_words = std::make_unique<WordDirectory>();
        for (int length = 8; length <= 12; ++length)
            m_words->writeWords(length, {QString(length, u'a')});
        m_fake = std::make_unique<FakeHost>(m_words->path());
        m_form = std::make_unique<Form1>(m_fake->host);
        m_ui = std::make_unique<Form1Probe>(*m_form);
        m_form->load();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    void cleanup()
    {
        m_ui.reset();
        m_form.reset();
    }

    void controlsStandAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Option8") << u"Option8"_s << pixels(120, 2760, 200, 200);
        QTest::newRow("Option9") << u"Option9"_s << pixels(120, 3000, 200, 200);
        QTest::newRow("Option10") << u"Option10"_s << pixels(120, 3240, 200, 200);
        QTest::newRow("Option11") << u"Option11"_s << pixels(120, 3480, 200, 200);
        QTest::newRow("Option12") << u"Option12"_s << pixels(120, 3720, 200, 200);
        QTest::newRow("Label5") << u"Label5"_s << pixels(480, 2750, 855, 1215);
        QTest::newRow("Label3") << u"Label3"_s << pixels(1680, 2800, 2895, 375);
        QTest::newRow("GuessWord") << u"GuessWord"_s << pixels(4560, 2760, 2415, 375);
        QTest::newRow("GetNewWord") << u"GetNewWord"_s << pixels(7440, 2760, 2415, 375);
        QTest::newRow("ShowWord") << u"ShowWord"_s << pixels(9960, 2760, 135, 135);
        QTest::newRow("Text1") << u"Text1"_s << pixels(2160, 3480, 4815, 375);
        QTest::newRow("Text3") << u"Text3"_s << pixels(2160, 3480, 4815, 375);
        QTest::newRow("Label4") << u"Label4"_s << pixels(7440, 3480, 1575, 375);
        QTest::newRow("Text2") << u"Text2"_s << pixels(9000, 3480, 855, 375);
        QTest::newRow("Label6") << u"Label6"_s << pixels(0, 3960, 10455, 135);
        QTest::newRow("WordList") << u"WordList"_s << pixels(3600, 4320, 2895, 2400);
        QTest::newRow("TextBox1") << u"TextBox1"_s << pixels(6840, 4440, 2655, 375);
        QTest::newRow("PickWord") << u"PickWord"_s << pixels(6840, 4920, 2655, 375);
        QTest::newRow("Cword") << u"Cword"_s << pixels(6840, 5400, 1335, 285);
        QTest::newRow("InCor") << u"InCor"_s << pixels(8280, 5400, 1215, 285);
        QTest::newRow("Label1(1)") << u"Label1_1"_s << pixels(840, 360, 495, 495);
        QTest::newRow("Label1(12)") << u"Label1_12"_s << pixels(8760, 360, 495, 495);
        QTest::newRow("Label2(1)") << u"Label2_1"_s << pixels(840, 1560, 495, 495);
        QTest::newRow("Label2(12)") << u"Label2_12"_s << pixels(8760, 1560, 495, 495);
        QTest::newRow("Shape1(1)") << u"Shape1_1"_s << pixels(720, 240, 735, 735);
        QTest::newRow("Shape1(12)") << u"Shape1_12"_s << pixels(8640, 240, 735, 735);
        QTest::newRow("Shape1(15)") << u"Shape1_15"_s << pixels(720, 1440, 735, 735);
        QTest::newRow("Shape1(26)") << u"Shape1_26"_s << pixels(8640, 1440, 735, 735);
    }

    void controlsStandAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QWidget *control = child(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->geometry(), rect);
    }

    void missingArrayMembersAreRunTimeError340()
    {
        for (const int index : {0, 13}) {
            try {
                m_ui->Label2(index);
                QFAIL("Label2 has no such member");
            } catch (const platform::RuntimeError &error) {
                QCOMPARE(error.code(), platform::ControlArrayElementMissing);
            }
        }
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, m_ui->Shape1(13));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, m_ui->Shape1(14));
        QCOMPARE(m_form->findChildren<Shape *>().size(), 24);
    }

    void windowIsFixedWithItsCaption()
    {
        QCOMPARE(m_form->size(), QSize(698, 280));
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(m_form->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(m_form->windowTitle(), QString(83, u' ') + u"Tanglewick"_s);
    }

    void stateHoldingControlsLieBelowTheClientArea()
    {
        for (const char *name : {"WordList", "TextBox1", "PickWord", "Cword", "InCor"}) {
            QWidget *control = child(QString::fromLatin1(name));
            QVERIFY(control->isVisibleTo(m_form.get()));
            QVERIFY2(!m_form->rect().intersects(control->geometry()), name);
        }
    }

    void startStateAndFocus()
    {
        QVERIFY(m_ui->Option8->isChecked());
        QVERIFY(m_ui->Text1->isHidden());
        QVERIFY(m_ui->Text3->isHidden());
        QCOMPARE(QApplication::focusWidget(), m_ui->GuessWord);
        QTest::keyClick(QApplication::focusWidget(), 'A');
        QCOMPARE(m_ui->GuessWord->text(), u"A"_s);
    }

    void tabVisitsTheControlsInTheirOrder()
    {
        const QStringList forward{u"GuessWord"_s, u"GetNewWord"_s, u"Text2"_s, u"Option8"_s, u"WordList"_s,
            u"PickWord"_s, u"TextBox1"_s, u"ShowWord"_s, u"Cword"_s, u"InCor"_s, u"GuessWord"_s};
        QCOMPARE(tabCycle(Qt::Key_Tab, 10), forward);
        QStringList backward = forward;
        std::reverse(backward.begin(), backward.end());
        QCOMPARE(tabCycle(Qt::Key_Backtab, 10), backward);
    }

    void tabStopsAtShownMessagesAndTheSelectedOption()
    {
        m_ui->Text1->show();
        m_ui->Text3->show();
        QTest::mouseClick(m_ui->Option11, Qt::LeftButton);
        m_ui->GuessWord->setFocus();
        const QStringList expected{u"GuessWord"_s, u"GetNewWord"_s, u"Text2"_s, u"Text3"_s, u"Option11"_s,
            u"WordList"_s, u"PickWord"_s, u"TextBox1"_s, u"Text1"_s, u"ShowWord"_s, u"Cword"_s, u"InCor"_s,
            u"GuessWord"_s};
        QCOMPARE(tabCycle(Qt::Key_Tab, 12), expected);
    }

    void arrowKeysMoveTheLengthChoice()
    {
        m_ui->Option8->setFocus();
        QTest::keyClick(m_ui->Option8, Qt::Key_Down);
        QVERIFY(m_ui->Option9->isChecked());
        QCOMPARE(m_ui->GuessWord->maxLength(), 9);
        QVERIFY(m_ui->WordFile.endsWith(u"Words9.Txt"_s));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(m_ui->GuessWord->maxLength(), 10);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QVERIFY(m_ui->Option8->isChecked());
        QCOMPARE(m_ui->GuessWord->maxLength(), 8);
        QVERIFY(m_ui->WordFile.endsWith(u"Words8.Txt"_s));
    }

    void legendBreaksIntoFiveLinesBesideTheButtons()
    {
        const QImage image = m_ui->Label5->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        // Bands of rows holding dark (text) pixels, as label coordinates.
        QList<QPair<qreal, qreal>> bands;
        bool inBand = false;
        for (int y = 0; y < image.height(); ++y) {
            bool dark = false;
            for (int x = 0; x < image.width() && !dark; ++x)
                dark = isDark(image.pixel(x, y));
            if (dark && !inBand)
                bands.append({y / ratio, y / ratio});
            if (dark)
                bands.last().second = (y + 1) / ratio;
            inBand = dark;
        }
        QCOMPARE(bands.size(), 5);
        const QList<QRadioButton *> options{
            m_ui->Option8, m_ui->Option9, m_ui->Option10, m_ui->Option11, m_ui->Option12};
        for (int k = 0; k < 5; ++k) {
            const qreal lineCentre = m_ui->Label5->y() + (bands[k].first + bands[k].second) / 2;
            const qreal buttonCentre = options[k]->geometry().center().y() + 0.5;
            QVERIFY2(qAbs(lineCentre - buttonCentre) <= 3,
                qPrintable(u"line %1 at %2, button at %3"_s.arg(k + 1).arg(lineCentre).arg(buttonCentre)));
        }
    }

    void renderedWindowShowsWhiteTilesBlueFramesAndBlackRules()
    {
        const QImage image = render(u"window-scale-%1.png"_s.arg(m_form->devicePixelRatio()));
        const qreal r = image.devicePixelRatio();
        QCOMPARE(image.size(), QSize(qRound(698 * r), qRound(280 * r)));
        const auto at = [&](QPoint p) { return QColor(image.pixel(qFloor(p.x() * r), qFloor(p.y() * r))); };

        for (int i : {1, 12}) {
            const QRect tile = m_ui->Label2(i)->geometry();
            QCOMPARE(at(tile.center()), QColor(Qt::white));
            const QRect frame = m_ui->Shape1(i + 14)->geometry();
            QCOMPARE(at(QPoint(frame.left(), frame.center().y())), QColor(0, 0, 0xC0));
            // Between the frame and its tile the window's grey shows.
            QCOMPARE(at(QPoint(frame.left() + 3, frame.center().y())), QColor(0xC0, 0xC0, 0xC0));
        }
        QCOMPARE(at(QPoint(300, m_ui->Line1->y())), QColor(Qt::black));
        QCOMPARE(at(QPoint(300, m_ui->Line2->y())), QColor(Qt::black));
        QCOMPARE(at(QPoint(690, 20)), QColor(0xC0, 0xC0, 0xC0));
    }

    void incorrectMessageHidesTheCongratulation()
    {
        m_ui->Text1->show();
        m_ui->Text3->show();
        const QPoint centre = m_ui->Text3->geometry().center();
        QCOMPARE(m_form->childAt(centre), m_ui->Text1);
        // Boxes and buttons are drawn above the captions they overlap.
        QCOMPARE(m_form->childAt(m_ui->GuessWord->geometry().topLeft()), m_ui->GuessWord);
        QCOMPARE(m_form->childAt(m_ui->Text2->geometry().topLeft()), m_ui->Text2);
    }

    void controlsDrawInTheirBoldFaces_data()
    {
        // Where Courier New and MS Sans Serif are absent, as here, their
        // metric-compatible stand-ins draw the text.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("pixels");
        QTest::newRow("tile") << u"Label1_1"_s << u"Liberation Mono"_s << 27;
        QTest::newRow("legend") << u"Label5"_s << u"Liberation Mono"_s << 13;
        QTest::newRow("guess box") << u"GuessWord"_s << u"Liberation Mono"_s << 16;
        QTest::newRow("caption") << u"Label3"_s << u"Liberation Sans"_s << 13;
        QTest::newRow("verdict") << u"Text1"_s << u"Liberation Sans"_s << 13;
        QTest::newRow("New Word") << u"GetNewWord"_s << u"Liberation Sans"_s << 16;
        QTest::newRow("score") << u"Text2"_s << u"Liberation Sans"_s << 16;
    }

    void controlsDrawInTheirBoldFaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, face);
        QFETCH(int, pixels);
        const QFontInfo font(child(name)->font());
        QCOMPARE(font.family(), face);
        QCOMPARE(font.pixelSize(), pixels);
        QVERIFY(font.bold());
    }

    void tooltipsAndCaptions()
    {
        QCOMPARE(m_ui->ShowWord->toolTip(), u"  Click To Show Word "_s);
        QVERIFY(m_ui->ShowWord->text().isEmpty());
        QVERIFY(m_ui->Label6->text().isEmpty());
        QVERIFY(m_ui->Label6->toolTip().contains(u"\u00A9"_s));
        QCOMPARE(m_ui->Text3->palette().color(QPalette::Text), QColor(0xFF, 0, 0));
        QVERIFY(m_ui->Text1->isReadOnly() && m_ui->Text2->isReadOnly() && m_ui->Text3->isReadOnly());
        QVERIFY(!m_ui->GetNewWord->isDefault() && !m_ui->ShowWord->isDefault());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
