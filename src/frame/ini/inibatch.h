#pragma once

#include <QString>

namespace vc {

// Holds back the writes that VixIniHandling makes to one file while the batch
// lives and saves the file once at the end: a project of fifty fields is
// written in one go, whole or not at all, instead of fifty times. Reads of the
// file inside the batch see the writes. A write to a read-only file still
// fails at once; the final save's result comes from commit().
class IniBatch
{
public:
    explicit IniBatch(const QString &file);
    ~IniBatch();
    IniBatch(const IniBatch &) = delete;
    IniBatch &operator=(const IniBatch &) = delete;

    // Saves now; true when the file was saved or nothing was written.
    bool commit();

private:
    QString m_path;
    bool m_open = true;
};

} // namespace vc
