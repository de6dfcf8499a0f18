// The pager's second thread: while the caller draws one part, the next parts
// are copied from the document and laid out there.
#include "richtext/pagerahead.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTextBlock>
#include <QTextLayout>
#include <QThread>
#include <QTimerEvent>

namespace vc {

namespace {

// Font engines belong to the thread that loaded them, but each paragraph's
// layout keeps the last one it used, to draw with. Setting its own font again
// forgets it, so that drawing on another thread loads that thread's engine
// instead of using this one's while it goes on laying out.
void forgetFontEngines(const QTextDocument &doc)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (QTextLayout *layout = b.layout())
            layout->setFont(layout->font());
}

// The layout, once done, starts a timer to report its new size. On a thread
// without an event loop it never fires, and handing the document to another
// thread with the timer running leaves both threads a timer neither can stop:
// fired here by hand, it stops.
void settleTimers(const QTextDocument &doc)
{
    QObject *layout = doc.documentLayout();
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        for (const QAbstractEventDispatcher::TimerInfo &timer :
             dispatcher->registeredTimers(layout)) {
            QTimerEvent fired(timer.timerId);
            QCoreApplication::sendEvent(layout, &fired);
        }
}

} // namespace

RichTextPager::~RichTextPager()
{
    finishAhead(m_aheads.size());
}

void RichTextPager::startAhead(size_t index, const TextChunkCopy::Place &begin,
                               const TextChunkCopy::Place *until)
{
    // one part in the making and one waiting for it, at most
    if (!m_readAhead || m_aheads.size() >= 2 || QThread::idealThreadCount() < 2)
        return;
    if (!m_worker)
        m_worker = std::make_unique<Worker>();
    {
        const std::lock_guard<std::mutex> held(m_worker->lock);
        if (m_worker->job) // its queue is full
            return;
    }
    auto ahead = std::make_unique<Ahead>();
    ahead->index = index;
    ahead->begin = begin;
    if (until)
        ahead->until = *until;
    const bool kept = !until && m_kept && m_kept->index == index && m_kept->begin == begin;
    if (kept && m_kept->copy.laidOut) { // made here already: the second thread goes on after it
        if (!goesOn(begin, m_kept->copy.end))
            return;
        ahead->index = index + 1;
        ahead->begin = m_kept->copy.end;
    }
    for (const auto &other : m_aheads)
        if (other->index == ahead->index && other->begin == ahead->begin)
            return;
    if (kept && !m_kept->copy.laidOut) { // copied there already: laid out there
        ahead->copy = std::move(m_kept->copy);
        m_kept.reset();
        ahead->copy.doc->moveToThread(m_worker->thread.get());
    }
    Ahead *a = ahead.get();
    QThread *caller = m_thread;
    Worker *w = m_worker.get();
    const auto job = [this, a, w, caller] {
        {
            const std::lock_guard<std::mutex> held(w->lock);
            if (a->cancelled) {
                a->done = true;
                w->changed.notify_all();
                return;
            }
            a->started = true;
        }
        try {
            if (!a->copy.doc)
                a->copy = copyPart(a->begin, a->until ? &*a->until : nullptr);
            if (!a->until && goesOn(a->begin, a->copy.end)) {
                Copy next;
                try {
                    next = copyPart(a->copy.end, nullptr);
                    next.doc->moveToThread(caller);
                } catch (...) {
                    next = Copy();
                }
                const std::lock_guard<std::mutex> held(w->lock);
                a->nextBegin = a->copy.end;
                a->next = std::move(next);
                a->nextReady = true;
                w->changed.notify_all();
            }
            layOutCopy(a->copy, a->index, !a->until);
            settleTimers(*a->copy.doc);
            forgetFontEngines(*a->copy.doc);
            a->copy.doc->moveToThread(caller);
            a->ok = true;
        } catch (...) {
            a->copy = Copy();
        }
        const std::lock_guard<std::mutex> held(w->lock);
        a->done = true;
        w->changed.notify_all();
    };
    {
        const std::lock_guard<std::mutex> held(w->lock);
        w->job = job;
    }
    w->changed.notify_all();
    m_aheads.push_back(std::move(ahead));
}

// Waits until the second thread is done with the first `count` parts asked of
// it, dropping those it has not started, and forgets them.
void RichTextPager::finishAhead(size_t count)
{
    if (count == 0)
        return;
    {
        std::unique_lock<std::mutex> held(m_worker->lock);
        for (size_t i = 0; i < count; ++i)
            if (!m_aheads[i]->started)
                m_aheads[i]->cancelled = true;
        m_worker->changed.wait(held, [this, count] {
            for (size_t i = 0; i < count; ++i)
                if (!m_aheads[i]->done)
                    return false;
            return true;
        });
    }
    m_aheads.erase(m_aheads.begin(), m_aheads.begin() + std::ptrdiff_t(count));
}

// The part asked for if it was made ahead; when it was not, the second thread
// is done with the document. Rather than wait for the second thread to lay
// the part out, this thread lays out the part after it, which the second
// thread copied first, and the second thread goes on with the one after that.
bool RichTextPager::takeAhead(size_t index, const TextChunkCopy::Place &begin, Copy &out)
{
    if (m_kept && m_kept->index == index && m_kept->begin == begin) {
        out = std::move(m_kept->copy);
        m_kept.reset();
        return true;
    }
    size_t at = 0;
    while (at < m_aheads.size() && !(m_aheads[at]->index == index && m_aheads[at]->begin == begin))
        ++at;
    if (at == m_aheads.size()) {
        finishAhead(m_aheads.size()); // the caller copies it: the document is its own again
        return false;
    }
    finishAhead(at);
    Ahead *a = m_aheads.front().get();
    {
        std::unique_lock<std::mutex> held(m_worker->lock);
        m_worker->changed.wait(held, [a] { return a->done || a->nextReady; });
        if (!a->done && a->next.doc && !m_kept) {
            Kept made{index + 1, a->nextBegin, std::move(a->next)};
            held.unlock();
            if (goesOn(made.begin, made.copy.end))
                startAhead(index + 2, made.copy.end, nullptr);
            layOutCopy(made.copy, made.index, true);
            m_kept = std::move(made);
            held.lock();
        }
        m_worker->changed.wait(held, [a] { return a->done; });
    }
    if (!a->ok) {
        finishAhead(m_aheads.size()); // the caller copies it: the document is its own again
        return false;
    }
    out = std::move(a->copy);
    if (a->next.doc && !m_kept) // not needed here after all: the second thread lays it out
        m_kept = Kept{index + 1, a->nextBegin, std::move(a->next)};
    m_aheads.pop_front();
    return true;
}

} // namespace vc
