#ifndef TANGLEWICK_APP_WORDLISTBOX_H
#define TANGLEWICK_APP_WORDLISTBOX_H

#include "entrylist.h"

#include <QListView>

class WordListModel;

// The list box that holds the loaded word list, unsorted, in the order the
// entries were added. Its model reads straight from the entry list, so a
// whole word file goes in with one call.
class WordListBox : public QListView
{
    Q_OBJECT
public:
    explicit WordListBox(QWidget *parent);

    void clear();
    void setEntries(words::EntryList entries);
    int count() const;
    const words::EntryList &entries() const;
    // The entry at index, or "" where there is none.
    QString item(int index) const;

private:
    WordListModel *m_model;
};

#endif
