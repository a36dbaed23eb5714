#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <stdexcept>

// Finds a window's components by object name, as the windows reach the controls they number
// (the answer sheet's 368 choice boxes). The names are indexed on the first look-up, so that
// scanning every box stays cheap; the window's set of components never changes after it is built.
class ComponentIndex {
public:
    explicit ComponentIndex(QObject *root)
        : m_root(root)
    {
    }

    QObject *find(const QString &name) const;

    // The component of that name as a T; throws if there is none, which would mean the stored
    // layout and the code that numbers its controls disagree.
    template <typename T> T *require(const QString &name) const
    {
        if (auto *found = qobject_cast<T *>(find(name)))
            return found;
        throw std::logic_error("no component named " + name.toStdString());
    }

private:
    QObject *m_root;
    mutable QHash<QString, QPointer<QObject>> m_byName;
};
