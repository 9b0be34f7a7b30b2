// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An event filter that hands a widget's events to a function.
#include <QEvent>
#include <QObject>
#include <QTimer>
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

// Runs ACTION once, from the event loop, after WATCHED's first paint has run.
// The hook sees every later paint too: the flag lives as long as it does.
inline void AfterFirstPaint(QObject& watched, std::function<void()> action) {
    new EventHook(&watched, [done = false, action = std::move(action)](QEvent* e) mutable {
        if (e->type() != QEvent::Paint || done)
            return false;
        done = true;
        QTimer::singleShot(0, action);
        return false;
    });
}

}  // namespace ktq
