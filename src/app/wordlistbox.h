#ifndef TANGLEWICK_APP_WORDLISTBOX_H
#define TANGLEWICK_APP_WORDLISTBOX_H

#include <QListView>
#include <QStringList>

class QStringListModel;

// The list box that holds the loaded word list, unsorted, in the order the
// entries were added. Backed by a string-list model so that a whole word
// file goes in with one call.
class WordListBox : public QListView {
    Q_OBJECT
public:
    explicit WordListBox(QWidget *parent);

    void clear();
    void addItems(const QStringList &items);
    int count() const;
    QStringList entries() const;
    // The entry at index, or "" where there is none.
    QString item(int index) const;

private:
    QStringListModel *m_model;
};

#endif
