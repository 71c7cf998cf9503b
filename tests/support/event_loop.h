#pragma once

#include <QEventLoop>
#include <QTimer>
#include <functional>

// Runs the event loop, as the program does, until `done` holds or `ms` pass. Unlike
// QTRY_*, which sleeps between rounds, this serves the worker's hand-overs at once.
inline bool Until(const std::function<bool()>& done, int ms = 5000) {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  poll.start(1);
  if (!done()) loop.exec();
  return done();
}

inline void RunEventsFor(int ms) {
  Until([] { return false; }, ms);
}
