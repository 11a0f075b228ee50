// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QSet>
#include <QVariantMap>

// A list of records with identities, as QML reads it. A new list replaces the old one row by row, by
// id, so that the delegates of rows that stay keep their focus, hover and open menus; only a change
// of order among the rows that stay resets the model.
class RecordListModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    using QAbstractListModel::QAbstractListModel;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int count() const { return rowCount(); }
    // The row's roles by name, as a delegate sees them; empty for a row that does not exist.
    Q_INVOKABLE [[nodiscard]] QVariantMap get(int row) const;
    // The row of the record whose identity is `id`, as the model gives it, or -1.
    Q_INVOKABLE [[nodiscard]] int indexOf(const QString& id) const;

Q_SIGNALS:
    void countChanged();
    // A new list has been taken over, and it differed from the one before.
    void recordsChanged();

protected:
    [[nodiscard]] virtual int size() const = 0;
    [[nodiscard]] virtual QString idAt(int row) const = 0;

    // Turns `rows` into `next`, announcing each step to the views.
    template <typename Row, typename IdOf>
    void replaceRows(QList<Row>& rows, const QList<Row>& next, IdOf idOf);

private:
    template <typename Row, typename IdOf, typename Ids>
    void updateInPlace(QList<Row>& rows, const QList<Row>& next, IdOf idOf, const Ids& nextIds);
};

template <typename Row, typename IdOf>
void RecordListModel::replaceRows(QList<Row>& rows, const QList<Row>& next, IdOf idOf) {
    if (rows == next)
        return;
    const qsizetype countBefore = rows.size();
    QSet<std::decay_t<decltype(idOf(next.first()))>> ids;
    decltype(ids) nextIds;
    for (const Row& row : rows)
        ids.insert(idOf(row));
    for (const Row& row : next)
        nextIds.insert(idOf(row));
    // The rows that stay, in their old order and in their new one.
    QList<typename decltype(ids)::value_type> staying;
    decltype(staying) stayingInNewOrder;
    for (const Row& row : rows) {
        if (nextIds.contains(idOf(row)))
            staying.append(idOf(row));
    }
    for (const Row& row : next) {
        if (ids.contains(idOf(row)))
            stayingInNewOrder.append(idOf(row));
    }
    // Twice the same id (a hand-edited file) leaves no row to follow.
    const bool unique = ids.size() == rows.size() && nextIds.size() == next.size();
    if (unique && staying == stayingInNewOrder) {
        updateInPlace(rows, next, idOf, nextIds);
    } else {
        beginResetModel();
        rows = next;
        endResetModel();
    }
    if (rows.size() != countBefore)
        Q_EMIT countChanged();
    Q_EMIT recordsChanged();
}

template <typename Row, typename IdOf, typename Ids>
void RecordListModel::updateInPlace(QList<Row>& rows, const QList<Row>& next, IdOf idOf, const Ids& nextIds) {
    // Rows go and come a run of neighbours at a time: a view handles one announcement of a thousand
    // rows far faster than a thousand announcements of one, as when a long list is first loaded.
    for (qsizetype last = rows.size() - 1; last >= 0;) {
        if (nextIds.contains(idOf(rows.at(last)))) {
            --last;
            continue;
        }
        qsizetype first = last;
        while (first > 0 && !nextIds.contains(idOf(rows.at(first - 1))))
            --first;
        beginRemoveRows({}, int(first), int(last));
        rows.remove(first, last - first + 1);
        endRemoveRows();
        last = first - 1;
    }
    // What is left is in the new order, so each position either holds its row already or starts a
    // run of new ones that ends at the next row that stays.
    for (qsizetype i = 0; i < next.size();) {
        if (i < rows.size() && idOf(rows.at(i)) == idOf(next.at(i))) {
            if (!(rows.at(i) == next.at(i))) {
                rows[i] = next.at(i);
                Q_EMIT dataChanged(index(int(i)), index(int(i)));
            }
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < next.size() && (i >= rows.size() || idOf(next.at(end)) != idOf(rows.at(i))))
            ++end;
        beginInsertRows({}, int(i), int(end - 1));
        rows = rows.mid(0, i) + next.mid(i, end - i) + rows.mid(i);
        endInsertRows();
        i = end;
    }
}
