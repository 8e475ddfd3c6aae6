// What the game says to a screen reader is heard through Orca itself
// (tests/e2e/screen_reader.sh); this checks what no screen reader can tell:
// the object that makes the announcements stays unseen while it makes them.

#include "fakehost.h"
#include "form1probe.h"
#include "wordfixture.h"

#include <QAccessible>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void announcerStaysUnseen()
    {
        WordDirectory words;
        words.writeWords(8, {u"triangle"_s});
        FakeHost fake(words.path());
        Form1 form(fake.host);
        Form1Probe ui(form);
        form.load();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::keyClick(ui.GuessWord, Qt::Key_Return);

        QList<QAccessibleInterface *> notifications;
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
        for (int i = 0; i < window->childCount(); ++i) {
            if (window->child(i)->role() == QAccessible::Notification)
                notifications.append(window->child(i));
        }
        QCOMPARE(notifications.size(), 1);
        QTRY_COMPARE(notifications[0]->text(QAccessible::Name), u"InCorrect !!!"_s);
        QVERIFY(notifications[0]->state().invisible);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
