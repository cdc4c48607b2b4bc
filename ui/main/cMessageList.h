#pragma once
// The message list widget: report view, full rows, several rows selectable, nothing
// editable. It sorts by the column whose header was clicked last (again: the other way
// round), and dragged entries carry the paths of their message files, so a folder of the
// tree can tell a drag of this list's messages from any other drop.
#include "ui/main/MainWindowSettings.h"

#include <QTreeWidget>

class cMessageList : public QTreeWidget
{
    Q_OBJECT
public:
    explicit cMessageList(QWidget *parent = nullptr);

    static const QString kPathsMimeType;
    static QStringList DraggedPaths(const QMimeData *data);

    void SetSort(const cMsgListSort &sort);
    // The header click: sorts and returns the order to keep.
    const cMsgListSort &SortByColumn(int column);
    void ApplySort();
    // Where an entry belongs: at the top while unsorted, else at its place in the order.
    int SortedRowFor(const QTreeWidgetItem *entry) const;

    QList<QTreeWidgetItem *> SelectedEntries() const;
    // Takes the entries of the paths out and makes current the one now at the place of the
    // first of them, or the last one when fewer remain.
    void TakeOut(const QStringList &paths);

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QTreeWidgetItem *> &items) const override;

private:
    cMsgListSort fSort;
};
