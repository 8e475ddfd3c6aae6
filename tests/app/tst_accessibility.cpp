#include "accessibility.h"
#include "fakehost.h"
#include "form1probe.h"
#include "guessbox.h"
#include "wordfixture.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QString spoken(QObject *control, QAccessible::Text kind = QAccessible::Name)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(kind) : u"<none>"_s;
}
} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void controlsHaveSpokenNamesAndTilesTheirLetters()
    {
        WordDirectory words;
        words.writeWords(8, {u"triangle"_s});
        FakeHost fake(words.path());
        Form1 form(fake.host);
        Form1Probe ui(form);
        form.load();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(spoken(ui.Label1(3), QAccessible::Description), u"Scrambled letter 3"_s);
        QCOMPARE(spoken(ui.Label1(3)), ui.Label1(3)->text());
        QVERIFY(!ui.Label1(3)->text().isEmpty());
        QCOMPARE(spoken(ui.Label2(12), QAccessible::Description), u"Your letter 12"_s);
        QCOMPARE(spoken(ui.Label2(12)), QString());
        QCOMPARE(spoken(ui.GuessWord), u"Guess"_s);
        QCOMPARE(spoken(ui.GetNewWord), u"New Word"_s);
        QCOMPARE(spoken(ui.ShowWord), u"Show word"_s);
        QCOMPARE(spoken(ui.Text2), u"Score"_s);
        QCOMPARE(spoken(ui.Text2, QAccessible::Value), u"0"_s);
        QCOMPARE(spoken(ui.Option10), u"10 letters"_s);

        QTest::keyClicks(ui.GuessWord, u"tr"_s);
        QCOMPARE(spoken(ui.Label2(2)), u"R"_s);

        // The verdict is announced when it appears.
        QList<QObject *> announced;
        setAnnouncementListener([&](QObject *message) { announced.append(message); });
        QTest::keyClick(ui.GuessWord, Qt::Key_Return);
        QTest::keyClicks(ui.GuessWord, u"triangle"_s);
        QTest::keyClick(ui.GuessWord, Qt::Key_Return);
        setAnnouncementListener(nullptr);
        QCOMPARE(announced, (QList<QObject *>{ui.Text1, ui.Text3}));
        QCOMPARE(spoken(ui.Text1, QAccessible::Value), u"InCorrect !!!"_s);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
