#include "wordlistbox.h"

#include <QAbstractListModel>

class WordListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(entries.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
            return {};
        return entries.at(index.row()).toString();
    }

    void reset(words::EntryList list)
    {
        beginResetModel();
        entries = std::move(list);
        endResetModel();
    }

    words::EntryList entries;
};

WordListBox::WordListBox(QWidget *parent)
    : QListView(parent)
    , m_model(new WordListModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}

void WordListBox::setEntries(words::EntryList entries)
{
    m_model->reset(std::move(entries));
}

const words::EntryList &WordListBox::entries() const
{
    return m_model->entries;
}
