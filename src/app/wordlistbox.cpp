#include "wordlistbox.h"

#include <QStringListModel>

WordListBox::WordListBox(QWidget *parent)
    : QListView(parent)
    , m_model(new QStringListModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}

void WordListBox::clear()
{
    m_model->setStringList({});
}

void WordListBox::addItems(const QStringList &items)
{
    if (m_model->rowCount() == 0) {
        m_model->setStringList(items);
        return;
    }
    QStringList all = m_model->stringList();
    all.append(items);
    m_model->setStringList(all);
}

int WordListBox::count() const
{
    return m_model->rowCount();
}

QStringList WordListBox::entries() const
{
    return m_model->stringList();
}

QString WordListBox::item(int index) const
{
    if (index < 0 || index >= m_model->rowCount())
        return {};
    return m_model->index(index).data().toString();
}
