#include "ini/inibatch.h"

#include "ini/inistore.h"

namespace vc {

IniBatch::IniBatch(const QString &file) : m_path(IniStore::beginBatch(file)) {}

IniBatch::~IniBatch()
{
    commit();
}

bool IniBatch::commit()
{
    if (!m_open)
        return true;
    m_open = false;
    return IniStore::endBatch(m_path);
}

} // namespace vc
