#ifndef TANGLEWICK_WIDGETS_WORDLISTBOX_H
#define TANGLEWICK_WIDGETS_WORDLISTBOX_H

#include "words/entrylist.h"

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

    void setEntries(words::EntryList entries);
    const words::EntryList &entries() const;

private:
    WordListModel *m_model;
};

#endif
