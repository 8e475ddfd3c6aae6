#ifndef TANGLEWICK_TESTS_FORM1PROBE_H
#define TANGLEWICK_TESTS_FORM1PROBE_H

// The window's controls and window-level state, under their designer names,
// as the tests read and steer them.

#include "form1.h"
#include "guessbox.h"
#include "shapes.h"
#include "wordlistbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class Form1Probe
{
public:
    explicit Form1Probe(Form1 &form)
        : Label1(form.Label1)
        , Label2(form.Label2)
        , Shape1(form.Shape1)
        , Line1(form.Line1)
        , Line2(form.Line2)
        , Option8(form.Option8)
        , Option9(form.Option9)
        , Option10(form.Option10)
        , Option11(form.Option11)
        , Option12(form.Option12)
        , Label5(form.Label5)
        , Label6(form.Label6)
        , GuessWord(form.GuessWord)
        , GetNewWord(form.GetNewWord)
        , ShowWord(form.ShowWord)
        , Text1(form.Text1)
        , Text2(form.Text2)
        , Text3(form.Text3)
        , WordList(form.WordList)
        , TextBox1(form.TextBox1)
        , PickWord(form.PickWord)
        , Cword(form.Cword)
        , InCor(form.InCor)
        , TypedCount(form.TypedCount)
        , WordFile(form.WordFile)
        , WordCount(form.WordCount)
        , PickIndex(form.PickIndex)
        , StartTime(form.StartTime)
        , EndTime(form.EndTime)
        , m_form(form)
    { }

    // The geometry the closing animation moves, in place of the window's.
    void setWindowGeometry(closing::WindowGeometry *geometry) { m_form.m_geometry = geometry; }

    const ControlArray<QLabel> &Label1;
    const ControlArray<QLabel> &Label2;
    const ControlArray<Shape> &Shape1;
    Line *const Line1;
    Line *const Line2;
    QRadioButton *const Option8;
    QRadioButton *const Option9;
    QRadioButton *const Option10;
    QRadioButton *const Option11;
    QRadioButton *const Option12;
    QLabel *const Label5;
    QLabel *const Label6;
    GuessBox *const GuessWord;
    QPushButton *const GetNewWord;
    QPushButton *const ShowWord;
    QLineEdit *const Text1;
    QLineEdit *const Text2;
    QLineEdit *const Text3;
    WordListBox *const WordList;
    QLineEdit *const TextBox1;
    QLineEdit *const PickWord;
    QLineEdit *const Cword;
    QLineEdit *const InCor;
    std::int16_t &TypedCount;
    const QString &WordFile;
    const std::int32_t &WordCount;
    const std::int32_t &PickIndex;
    const platform::Date &StartTime;
    const platform::Date &EndTime;

private:
    Form1 &m_form;
};

#endif
