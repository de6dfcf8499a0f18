#pragma once

// The pager's parts made on its second thread, shared by the pager's files.
#include "richtext/richtextpager.h"

#include <QThread>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace vc {

// A part being copied and laid out on the second thread. Copying only reads
// the source document and formats; the copy's layout is the second thread's
// alone until the caller takes it.
struct RichTextPager::Ahead
{
    size_t index = 0;
    TextChunkCopy::Place begin;
    std::optional<TextChunkCopy::Place> until; // where a part met before ends
    bool ok = false;
    bool started = false, cancelled = false, done = false; // under the worker's lock
    // given copied, or copied there
    Copy copy;
    // The part after it, copied before this one is laid out, for the caller
    // to lay out should it come to wait; ready (under the lock) once the
    // second thread reads the document no more.
    bool nextReady = false;
    TextChunkCopy::Place nextBegin;
    Copy next;
};

// The second thread, one for the whole run: the fonts it loads for laying out
// one part serve the next.
struct RichTextPager::Worker
{
    std::mutex lock;
    std::condition_variable changed;
    std::function<void()> job;
    bool quit = false;
    std::unique_ptr<QThread> thread;

    Worker()
    {
        thread.reset(QThread::create([this] {
            std::unique_lock<std::mutex> held(lock);
            for (;;) {
                changed.wait(held, [this] { return quit || job; });
                if (!job)
                    return;
                const std::function<void()> work = std::move(job);
                job = nullptr;
                held.unlock();
                work();
                held.lock();
            }
        }));
        thread->start();
    }
    ~Worker()
    {
        {
            const std::lock_guard<std::mutex> held(lock);
            quit = true;
        }
        changed.notify_all();
        thread->wait();
    }
};

} // namespace vc
