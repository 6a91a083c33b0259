#include "ui/qt/ListModel.h"

#include "ui/qt/QtText.h"

namespace ardel::ui {

namespace {
// A line shows on one row: a control character in it (the line break inside a
// session's comment text) takes one blank column.
QString shownLine(const std::string& line) {
    QString shown = toQt(line);
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            c = QLatin1Char(' ');
        }
    }
    return shown;
}
} // namespace

ListModel::ListModel(QObject* parent) : QAbstractListModel(parent) {}

ListModel::~ListModel() {
    if (source_) {
        source_->removeObserver(this);
    }
}

void ListModel::setSource(ListSource* source) {
    beginResetModel();
    if (source_) {
        source_->removeObserver(this);
    }
    source_ = source;
    if (source_) {
        source_->addObserver(this);
    }
    endResetModel();
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !source_ ? 0 : source_->count();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || !source_ || index.row() >= source_->count()) {
        return {};
    }
    return shownLine(source_->at(index.row()));
}

void ListModel::beforeInsert(int index) {
    changing_ = true;
    beginInsertRows(QModelIndex(), index, index);
}

void ListModel::afterInsert() {
    endInsertRows();
    changing_ = false;
}

void ListModel::beforeRemove(int index) {
    changing_ = true;
    if (rowAboutToGo) {
        rowAboutToGo(index);
    }
    beginRemoveRows(QModelIndex(), index, index);
}

void ListModel::afterRemove() {
    endRemoveRows();
    changing_ = false;
}

void ListModel::changed(int index) {
    const QModelIndex changedIndex = this->index(index);
    emit dataChanged(changedIndex, changedIndex, {Qt::DisplayRole});
}

void ListModel::beforeReset() {
    changing_ = true;
    beginResetModel();
}

void ListModel::afterReset() {
    endResetModel();
    changing_ = false;
}

void ListModel::sourceDestroyed() {
    beginResetModel();
    source_ = nullptr;
    endResetModel();
}

} // namespace ardel::ui
