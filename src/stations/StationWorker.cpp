#include "stations/StationWorker.h"

#include <QCoreApplication>
#include <QThread>

namespace parlhora {

StationWorker::StationWorker(QObject& receiver, bool threaded) : receiver_(receiver), threaded_(threaded) {}

StationWorker::~StationWorker() { stop(); }

void StationWorker::start(std::function<void()> read) {
  stop();
  clock_.resume();
  if (!threaded_) {
    read();
    return;
  }
  thread_.reset(QThread::create(std::move(read)));
  thread_->setObjectName(QStringLiteral("station"));
  thread_->start();
}

void StationWorker::post(std::function<void()> fn) {
  if (!threaded_) {
    fn();
    return;
  }
  QMetaObject::invokeMethod(&receiver_, std::move(fn), Qt::QueuedConnection);
}

void StationWorker::finish() {
  if (!thread_) return;
  thread_->wait();
  QCoreApplication::sendPostedEvents(&receiver_, QEvent::MetaCall);
}

void StationWorker::stop() {
  if (!thread_) return;
  clock_.abort();
  thread_->wait();
  thread_.reset();
}

}  // namespace parlhora
