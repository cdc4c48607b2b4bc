// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cMsgListModel.h"

#include "storage/ParallelFor.h"

#include <QDataStream>
#include <QHash>
#include <QMimeData>
#include <QtConcurrent>

#include <algorithm>

const QString cMsgListModel::kMessagesMimeType = QStringLiteral("application/x-ravelin-messages");

namespace {

constexpr QChar kFieldBreak = u'\n';
constexpr QChar kFolderBreak = u'/'; // no folder name holds one

QString nameAcross(const cMessageRef &message)
{
    return message.folder + kFolderBreak + message.key;
}

// The folder a row's name gives in a list of several folders; empty in one folder's list.
QStringView folderOf(const QString &name)
{
    const qsizetype slash = name.indexOf(kFolderBreak);
    return slash < 0 ? QStringView() : QStringView(name).left(slash);
}

} // namespace

QMimeData *cMsgListModel::MessagesData(const QList<cMessageRef> &messages)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    for (const cMessageRef &message : messages)
        stream << message.folder << message.key;
    auto *data = new QMimeData;
    data->setData(kMessagesMimeType, bytes);
    return data;
}

QList<cMessageRef> cMsgListModel::MessagesOf(const QMimeData *data)
{
    QList<cMessageRef> messages;
    if (!data || !data->hasFormat(kMessagesMimeType))
        return messages;
    QDataStream stream(data->data(kMessagesMimeType));
    cMessageRef message;
    while (!stream.atEnd()) {
        stream >> message.folder >> message.key;
        if (stream.status() != QDataStream::Ok)
            break;
        messages.append(message);
    }
    return messages;
}

cMsgListModel::cMsgListModel(QList<QIcon> images, QObject *parent)
    : QAbstractTableModel(parent), fImages(std::move(images)), fCaptions(MessageListCaptions(eFolderKind::Inbox)),
      fCollator(QLocale::system())
{
}

void cMsgListModel::SetCaptions(const QStringList &captions)
{
    fCaptions = captions;
    emit headerDataChanged(Qt::Horizontal, 0, MsgColumn::Count - 1);
}

cMsgListModel::cRow cMsgListModel::MakeRow(const cIndexEntry &entry) const
{
    const cMessageEntry shown = MessageListEntry(entry, fKind);
    cRow row;
    row.stamp = entry.stamp;
    std::copy_n(shown.texts.cbegin(), MsgColumn::Count, row.texts.begin());
    if (fFolded)
        Fold(row);
    row.timeKey = entry.dateKey;
    row.icon = quint8(shown.icon);
    row.readIcon = quint8(shown.readIcon);
    row.messageId = entry.MessageId;
    row.references = entry.References;
    return row;
}

void cMsgListModel::Fold(cRow &row)
{
    const QString subject = row.texts[MsgColumn::Subject].toCaseFolded();
    row.subjectLength = int(subject.size());
    row.folded = subject + kFieldBreak + row.texts[MsgColumn::Person].toCaseFolded();
}

// Folded when a filter or an order by text first needs it: a folder opened to be read by date
// is shown without folding its 100,000 subjects.
void cMsgListModel::FoldAll()
{
    if (fFolded)
        return;
    ParallelFor(fRows.size(), [this](std::size_t at) { Fold(fRows[at]); });
    fFolded = true;
}

void cMsgListModel::LoadAcross(const QString &directory, const std::vector<cIndexEntry> &entries)
{
    LoadAcross(directory, PrepareAcross(entries, fSort, fThreaded));
}

cMsgListModel::cPrepared cMsgListModel::PrepareAcross(const std::vector<cIndexEntry> &entries, const cMsgListSort &sort,
                                                      bool threaded)
{
    // A model of the thread's own, seen by no view, does the work a shown one would.
    cMsgListModel scratch({});
    scratch.fSort = sort;
    scratch.fThreaded = threaded;
    scratch.Fill(QString(), QString(), entries, true);
    // Here, not at the first letter typed into the filter box.
    scratch.FoldAll();
    QSet<QString> folders;
    for (const cIndexEntry &entry : entries)
        folders.insert(folderOf(entry.stamp.name).toString());
    return {std::move(scratch.fRows), std::move(scratch.fOrder), std::move(scratch.fThreads), sort, threaded,
            scratch.fFolded, folders.values()};
}

void cMsgListModel::LoadAcross(const QString &directory, cPrepared prepared)
{
    beginResetModel();
    fAcross = true;
    fDirectory = directory;
    fFolder.clear();
    fCollapsed.clear();
    fKind = eFolderKind::Inbox;
    Discard(std::exchange(fRows, std::move(prepared.rows)));
    fOrder = std::move(prepared.order);
    fThreads = std::move(prepared.threads);
    fFolded = prepared.folded;
    ForgetNames();
    if (!(prepared.sort == fSort) || prepared.threaded != fThreaded)
        SortAll();
    FilterAll();
    endResetModel();
}

// Freeing 100,000 rows would hold up the window as long as a search does.
void cMsgListModel::Discard(std::vector<cRow> rows)
{
    if (!rows.empty())
        (void)QtConcurrent::run([rows = std::move(rows)]() mutable { std::vector<cRow>().swap(rows); });
}

void cMsgListModel::Load(const QString &folder, const QString &directory, const std::vector<cIndexEntry> &entries)
{
    Fill(folder, directory, entries, false);
}

void cMsgListModel::Fill(const QString &folder, const QString &directory, const std::vector<cIndexEntry> &entries,
                         bool across)
{
    beginResetModel();
    fAcross = across;
    fDirectory = directory;
    fFolder = folder;
    fCollapsed.clear();
    fKind = cMailStore::KindOf(folder);
    fFolded = false;
    Discard(std::exchange(fRows, {}));
    fOrder.clear();
    fRows.resize(entries.size());
    ParallelFor(entries.size(), [this, &entries](std::size_t at) { fRows[at] = MakeRow(entries[at]); });
    ForgetNames();
    SortAll();
    FilterAll();
    endResetModel();
}

void cMsgListModel::ForgetNames()
{
    fNamesKnown = false;
}

// Hashed when first asked for, so a big folder shows before its names are hashed.
const QHash<QString, int> &cMsgListModel::IdOfName() const
{
    if (!fNamesKnown) {
        fIdOfName.clear();
        fIdOfName.reserve(qsizetype(fRows.size()));
        for (int id = 0; id < int(fRows.size()); ++id)
            fIdOfName.insert(fRows[id].stamp.name, id);
        fNamesKnown = true;
    }
    return fIdOfName;
}

void cMsgListModel::SortAll()
{
    // Equal rows keep the order they had, as a click on another header promises.
    if (fOrder.size() != fRows.size()) {
        fOrder.resize(fRows.size());
        for (int id = 0; id < int(fRows.size()); ++id)
            fOrder[id] = id;
    }
    if (fSort.column == MsgColumn::Subject || fSort.column == MsgColumn::Person)
        FoldAll();
    if (fSort.column >= 0)
        std::stable_sort(fOrder.begin(), fOrder.end(), [this](int a, int b) { return Before(a, b); });
    if (!fThreaded)
        return;
    QList<cThreader::cMessage> messages;
    messages.reserve(qsizetype(fRows.size()));
    for (const cRow &row : fRows)
        messages.append({row.messageId, row.references, row.texts[MsgColumn::Subject].toUtf8(), row.timeKey});
    fThreads.Build(messages);
    fOrder = fThreads.Order(fOrder);
}

void cMsgListModel::FilterAll()
{
    fShown.clear();
    if (!fFilter.isEmpty())
        FoldAll();
    if (fFilter.isEmpty()) {
        fShown = fOrder;
    } else {
        for (int id : fOrder)
            if (Passes(fRows[id]))
                fShown.push_back(id);
    }
    if (fThreaded)
        std::erase_if(fShown, [this](int id) { return InCollapsedThread(id); });
    RebuildRowOfId();
}

void cMsgListModel::RebuildRowOfId()
{
    fRowOfId.assign(fRows.size(), -1);
    for (int row = 0; row < int(fShown.size()); ++row)
        fRowOfId[fShown[row]] = row;
}

QStringView cMsgListModel::FoldedText(const cRow &row, int column) const
{
    switch (column) {
    case MsgColumn::Subject: return QStringView(row.folded).left(row.subjectLength);
    case MsgColumn::Person: return QStringView(row.folded).mid(row.subjectLength + 1);
    default: return Text(row, column);
    }
}

// A kept order by the folder column leaves a list of one folder as it is.
QStringView cMsgListModel::Text(const cRow &row, int column) const
{
    if (column < MsgColumn::Count)
        return row.texts[column];
    return folderOf(row.stamp.name);
}

bool cMsgListModel::Before(int a, int b) const
{
    const cRow &x = fRows[a];
    const cRow &y = fRows[b];
    const int column = fSort.column;
    int order = 0;
    if (column == MsgColumn::DateTime)
        order = x.timeKey < y.timeKey ? -1 : (x.timeKey > y.timeKey ? 1 : 0);
    // Case never decides the order, whatever the locale; "a" and "B" stay in alphabet order.
    if (order == 0)
        order = fCollator.compare(FoldedText(x, column), FoldedText(y, column));
    if (order == 0)
        order = Text(x, column).compare(Text(y, column));
    return fSort.descending ? order > 0 : order < 0;
}

bool cMsgListModel::Passes(const cRow &row) const
{
    return fFilter.isEmpty() || row.folded.contains(fFilter);
}

cMessageRef cMsgListModel::Ref(int row) const
{
    const QString &name = fRows[fShown[row]].stamp.name;
    if (!fAcross)
        return {fFolder, name};
    const QStringView folder = folderOf(name);
    return {folder.toString(), name.mid(folder.size() + 1)};
}

int cMsgListModel::Icon(int row) const
{
    return fRows[fShown[row]].icon;
}

void cMsgListModel::SetIcon(int row, int icon)
{
    fRows[fShown[row]].icon = quint8(icon);
    const QModelIndex changed = index(row, MsgColumn::Subject);
    emit dataChanged(changed, changed, {Qt::DecorationRole});
}

int cMsgListModel::ReadIcon(int row) const
{
    return fRows[fShown[row]].readIcon;
}

void cMsgListModel::SetReadIcon(int row, int icon)
{
    fRows[fShown[row]].readIcon = quint8(icon);
}

int cMsgListModel::RowOf(const cMessageRef &message) const
{
    if (!fAcross && message.folder.compare(fFolder, Qt::CaseInsensitive) != 0)
        return -1;
    const QHash<QString, int> &names = IdOfName();
    const auto found = names.constFind(fAcross ? nameAcross(message) : message.key);
    return found == names.cend() ? -1 : fRowOfId[*found];
}

QStringList cMsgListModel::Names() const
{
    QStringList names;
    names.reserve(qsizetype(fRows.size()));
    for (const cRow &row : fRows)
        names.append(row.stamp.name);
    return names;
}

int cMsgListModel::IdOfRow(int row) const
{
    return fShown[row];
}

int cMsgListModel::RowOfId(int id) const
{
    return fRowOfId[id];
}

void cMsgListModel::SetSort(const cMsgListSort &sort)
{
    fSort = sort;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> ids;
    ids.reserve(before.size());
    for (const QModelIndex &index : before)
        ids.push_back(fShown[index.row()]);
    SortAll();
    FilterAll();
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype at = 0; at < before.size(); ++at)
        after.append(index(fRowOfId[ids[at]], before[at].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void cMsgListModel::SetFilter(const QString &text)
{
    const QString folded = text.toCaseFolded();
    if (folded == fFilter)
        return;
    beginResetModel();
    fFilter = folded;
    FilterAll();
    endResetModel();
}

bool cMsgListModel::InCollapsedThread(int id) const
{
    const int root = fThreads.Root(id);
    return root != id && fCollapsed.contains(fRows[root].stamp.name);
}

void cMsgListModel::SetThreaded(bool threaded)
{
    if (threaded == fThreaded)
        return;
    fThreaded = threaded;
    fCollapsed.clear();
    Rethread();
}

// Rows that come, go or change move whole threads: the list is made again.
void cMsgListModel::Rethread()
{
    beginResetModel();
    SortAll();
    FilterAll();
    endResetModel();
}

int cMsgListModel::Collapse(int row)
{
    const int root = fThreads.Root(fShown[row]);
    if (fThreads.HasReplies(root) && !fCollapsed.contains(fRows[root].stamp.name)) {
        fCollapsed.insert(fRows[root].stamp.name);
        Rethread();
    }
    return fRowOfId[root];
}

void cMsgListModel::Expand(int row)
{
    if (fCollapsed.remove(fRows[fShown[row]].stamp.name))
        Rethread();
}

QString cMsgListModel::SubjectText(int id) const
{
    constexpr int kDeepest = 8;
    const QString &subject = fRows[id].texts[MsgColumn::Subject];
    QString mark;
    if (fThreads.HasReplies(id))
        mark = fCollapsed.contains(fRows[id].stamp.name) ? QStringLiteral("\u25b8 ") : QStringLiteral("\u25be ");
    return QString(std::min(fThreads.Depth(id), kDeepest) * 3, u' ') + mark + subject;
}

int cMsgListModel::PlaceIn(const std::vector<int> &order, int id) const
{
    if (fSort.column < 0)
        return 0;
    const auto place = std::upper_bound(order.cbegin(), order.cend(), id, [this](int a, int b) { return Before(a, b); });
    return int(place - order.cbegin());
}

void cMsgListModel::InsertRow(const cIndexEntry &entry)
{
    const int id = int(fRows.size());
    fRows.push_back(MakeRow(entry));
    if (fNamesKnown)
        fIdOfName.insert(entry.stamp.name, id);
    if (fThreaded) {
        Rethread();
        return;
    }
    fOrder.insert(fOrder.begin() + PlaceIn(fOrder, id), id);
    fRowOfId.push_back(-1);
    if (!Passes(fRows[id]))
        return;
    const int row = PlaceIn(fShown, id);
    beginInsertRows({}, row, row);
    fShown.insert(fShown.begin() + row, id);
    endInsertRows();
    RebuildRowOfId();
}

void cMsgListModel::Insert(const cIndexEntry &entry)
{
    const QHash<QString, int> &names = IdOfName();
    if (const auto known = names.constFind(entry.stamp.name); known != names.cend())
        Update(*known, entry);
    else
        InsertRow(entry);
}

void cMsgListModel::Update(int id, const cIndexEntry &entry)
{
    cRow row = MakeRow(entry);
    const int shownRow = fRowOfId[id];
    std::swap(fRows[id], row);
    if (fThreaded) {
        Rethread();
        return;
    }
    const bool keepsPlace = Passes(fRows[id]) == (shownRow >= 0) && InPlace(id);
    if (keepsPlace) {
        if (shownRow >= 0)
            emit dataChanged(index(shownRow, 0), index(shownRow, MsgColumn::Count - 1));
        return;
    }
    std::swap(fRows[id], row);
    RemoveIds({id});
    InsertRow(entry);
}

bool cMsgListModel::InPlace(int id) const
{
    if (fSort.column < 0)
        return true;
    const auto at = std::find(fOrder.cbegin(), fOrder.cend(), id);
    return (at == fOrder.cbegin() || !Before(id, *(at - 1))) && (at + 1 == fOrder.cend() || !Before(*(at + 1), id));
}

void cMsgListModel::RemoveIds(const QList<int> &ids)
{
    std::vector<bool> gone(fRows.size(), false);
    if (fThreaded) {
        for (int id : ids)
            gone[id] = true;
        beginResetModel();
        Compact(gone);
        endResetModel();
        return;
    }
    std::vector<int> rows;
    for (int id : ids) {
        gone[id] = true;
        if (fRowOfId[id] >= 0)
            rows.push_back(fRowOfId[id]);
    }
    // From the bottom up, one signal per run of neighbouring rows.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (std::size_t at = 0; at < rows.size();) {
        std::size_t end = at + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] - 1)
            ++end;
        const int first = rows[end - 1];
        const int last = rows[at];
        beginRemoveRows({}, first, last);
        fShown.erase(fShown.begin() + first, fShown.begin() + last + 1);
        endRemoveRows();
        at = end;
    }
    Compact(gone);
}

void cMsgListModel::Compact(const std::vector<bool> &gone)
{
    std::vector<int> newId(fRows.size(), -1);
    int kept = 0;
    for (int id = 0; id < int(fRows.size()); ++id) {
        if (gone[id])
            continue;
        newId[id] = kept;
        if (kept != id)
            fRows[kept] = std::move(fRows[id]);
        ++kept;
    }
    fRows.resize(kept);
    const auto renumber = [&newId](std::vector<int> &order) {
        std::erase_if(order, [&newId](int id) { return newId[id] < 0; });
        for (int &id : order)
            id = newId[id];
    };
    renumber(fOrder);
    renumber(fShown);
    ForgetNames();
    if (fThreaded) {
        SortAll();
        FilterAll();
    }
    RebuildRowOfId();
}

void cMsgListModel::TakeOut(const QList<cMessageRef> &messages)
{
    QList<int> ids;
    for (const cMessageRef &message : messages)
        if (const int row = RowOf(message); row >= 0)
            ids.append(fShown[row]);
    std::vector<bool> gone(fRows.size(), false);
    for (int id : ids)
        gone[id] = true;
    beginResetModel();
    Compact(gone);
    endResetModel();
}

bool cMsgListModel::Follow(const std::vector<cFileStamp> &stamps)
{
    QHash<QString, const cFileStamp *> onDisk;
    onDisk.reserve(qsizetype(stamps.size()));
    for (const cFileStamp &stamp : stamps)
        onDisk.insert(stamp.name, &stamp);
    QList<int> gone;
    QStringList changed;
    for (int id = 0; id < int(fRows.size()); ++id) {
        const auto found = onDisk.constFind(fRows[id].stamp.name);
        if (found == onDisk.cend())
            gone.append(id);
        else if (**found != fRows[id].stamp)
            changed.append(fRows[id].stamp.name);
    }
    if (!gone.isEmpty())
        RemoveIds(gone);
    for (const QString &name : changed) {
        const int id = IdOfName().value(name);
        if (const cResultOf<cIndexEntry> entry = cFolderIndex::Read(fDirectory, *onDisk.value(name)))
            Update(id, entry.value());
        else
            RemoveIds({id});
    }
    bool added = false;
    for (const cFileStamp &stamp : stamps) {
        if (IdOfName().contains(stamp.name))
            continue;
        if (const cResultOf<cIndexEntry> entry = cFolderIndex::Read(fDirectory, stamp)) {
            InsertRow(entry.value());
            added = true;
        }
    }
    return added || !gone.isEmpty() || !changed.isEmpty();
}

int cMsgListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(fShown.size());
}

int cMsgListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MsgColumn::Count + (fAcross ? 1 : 0);
}

QVariant cMsgListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(fShown.size()))
        return {};
    const cRow &row = fRows[fShown[index.row()]];
    switch (role) {
    case Qt::DisplayRole:
        if (fThreaded && index.column() == MsgColumn::Subject)
            return SubjectText(fShown[index.row()]);
        return index.column() < MsgColumn::Count ? row.texts[index.column()] : Text(row, index.column()).toString();
    case Qt::DecorationRole:
        return index.column() == MsgColumn::Subject ? QVariant(fImages.value(row.icon)) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == MsgColumn::Attachment ? QVariant(Qt::AlignCenter) : QVariant();
    default: return {};
    }
}

QVariant cMsgListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == MsgColumn::Folder ? tr("Folder") : fCaptions.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags cMsgListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
}

QStringList cMsgListModel::mimeTypes() const
{
    return {kMessagesMimeType};
}

QMimeData *cMsgListModel::mimeData(const QModelIndexList &indexes) const
{
    QList<int> rows;
    for (const QModelIndex &index : indexes)
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<cMessageRef> messages;
    for (int row : rows)
        messages.append(Ref(row));
    return MessagesData(messages);
}

Qt::DropActions cMsgListModel::supportedDragActions() const
{
    return Qt::MoveAction;
}
