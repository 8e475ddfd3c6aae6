#include "accessibility.h"
#include "fakehost.h"
#include "form1.h"
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
        platform::runEvent(fake.host, [&] { form.Form_Load(); });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(spoken(form.Label1(3)), u"Scrambled letter 3"_s);
        QCOMPARE(spoken(form.Label1(3), QAccessible::Value), form.Label1(3)->text());
        QVERIFY(!form.Label1(3)->text().isEmpty());
        QCOMPARE(spoken(form.Label2(12)), u"Your letter 12"_s);
        QCOMPARE(spoken(form.GuessWord), u"Guess"_s);
        QCOMPARE(spoken(form.GetNewWord), u"New Word"_s);
        QCOMPARE(spoken(form.ShowWord), u"Show word"_s);
        QCOMPARE(spoken(form.Text2), u"Score"_s);
        QCOMPARE(spoken(form.Text2, QAccessible::Value), u"0"_s);
        QCOMPARE(spoken(form.Option10), u"10 letters"_s);

        QTest::keyClicks(form.GuessWord, u"tr"_s);
        QCOMPARE(spoken(form.Label2(2), QAccessible::Value), u"R"_s);

        // The verdict is announced when it appears.
        QList<QObject *> announced;
        setAnnouncementListener([&](QObject *message) { announced.append(message); });
        QTest::keyClick(form.GuessWord, Qt::Key_Return);
        QTest::keyClicks(form.GuessWord, u"triangle"_s);
        QTest::keyClick(form.GuessWord, Qt::Key_Return);
        setAnnouncementListener(nullptr);
        QCOMPARE(announced, (QList<QObject *>{form.Text1, form.Text3}));
        QCOMPARE(spoken(form.Text1, QAccessible::Value), u"InCorrect !!!"_s);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
