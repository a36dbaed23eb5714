#include "componentindex.h"

QObject *ComponentIndex::find(const QString &name) const
{
    if (m_byName.isEmpty()) {
        const QList<QObject *> all = m_root->findChildren<QObject *>();
        m_byName.reserve(all.size());
        for (QObject *object : all)
            if (const QString n = object->objectName(); !n.isEmpty() && !m_byName.contains(n))
                m_byName.insert(n, object); // the first of a name wins
    }
    return m_byName.value(name);
}
