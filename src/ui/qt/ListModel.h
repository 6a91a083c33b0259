// The item model of a visible list: a read-only view on a ListSource that follows
// every change the source announces, so a list of 100,000 lines is never copied.
// Each line shows on one row.
#pragma once

#include "ui/ListSource.h"

#include <QAbstractListModel>

#include <functional>

namespace ardel::ui {

class ListModel : public QAbstractListModel, private ListObserver {
    Q_OBJECT

public:
    explicit ListModel(QObject* parent = nullptr);
    ~ListModel() override;

    void setSource(ListSource* source);
    ListSource* source() const { return source_; }
    // True while the source inserts, removes or resets lines.
    bool isChanging() const { return changing_; }
    // Called before a row goes, ahead of the views.
    std::function<void(int row)> rowAboutToGo;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void beforeInsert(int index) override;
    void afterInsert() override;
    void beforeRemove(int index) override;
    void afterRemove() override;
    void changed(int index) override;
    void beforeReset() override;
    void afterReset() override;
    void sourceDestroyed() override;

    ListSource* source_ = nullptr;
    bool changing_ = false;
};

} // namespace ardel::ui
