#include "widgets/wordlistbox.h"

#include <QAbstractListModel>

#include <algorithm>

// Hands the view its rows a batch at a time, as it scrolls to them, so that
// a long word list costs the view no more than the rows it shows.
class WordListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : m_rows; }

    bool canFetchMore(const QModelIndex &parent) const override { return !parent.isValid() && m_rows < entries.size(); }

    void fetchMore(const QModelIndex &parent) override
    {
        if (parent.isValid())
            return;
        const int more = static_cast<int>(std::min<qsizetype>(Batch, entries.size() - m_rows));
        beginInsertRows({}, m_rows, m_rows + more - 1);
        m_rows += more;
        endInsertRows();
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        // Ctrl+C with no current row asks for the text of no index at all.
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows)
            return {};
        return entries.at(index.row()).toString();
    }

    void reset(words::EntryList list)
    {
        beginResetModel();
        entries = std::move(list);
        m_rows = 0;
        endResetModel();
    }

    words::EntryList entries;

private:
    static constexpr int Batch = 100;
    int m_rows = 0;
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
