#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPromise>

#include <thread>
#include <type_traits>
#include <utility>

// Runs `work` on a thread of its own, then hands its result to `done` on the thread of
// `context`, unless `context` is gone by then. Nobody waits for the thread: one stuck
// in a drive that does not answer must not hold up the end of the program, nor take a
// pool thread that other work waits for. `work` must own everything it touches.
template <typename Work, typename Done>
void RunDetached(QObject *context, Work work, Done done)
{
    using Result = std::invoke_result_t<Work &>;
    QPromise<Result> promise;
    auto *watcher = new QFutureWatcher<Result>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done = std::move(done)] {
        done(watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(promise.future());
    std::thread([work = std::move(work), promise = std::move(promise)]() mutable {
        promise.start();
        promise.addResult(work());
        promise.finish();
    }).detach();
}
