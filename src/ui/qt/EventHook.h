// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An event filter that hands a widget's events to a function.
#include <QEvent>
#include <QObject>
#include <functional>
#include <utility>

namespace ktq {

class EventHook : public QObject {
  public:
    using Filter = std::function<bool(QEvent*)>;
    EventHook(QObject* watched, Filter filter) : QObject(watched), filter_(std::move(filter)) {
        watched->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override { return filter_(event); }

  private:
    Filter filter_;
};

}  // namespace ktq
