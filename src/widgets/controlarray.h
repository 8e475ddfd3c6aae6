#ifndef TANGLEWICK_WIDGETS_CONTROLARRAY_H
#define TANGLEWICK_WIDGETS_CONTROLARRAY_H

#include "platform/runtimeerror.h"

#include <map>

// A control array: controls of one kind reached by index, such as the tiles
// Label1(1..12). Asking for an index that has no member is run-time error
// 340, which the key handler relies on to recover a runaway count.
template<typename Control> class ControlArray
{
public:
    void add(int index, Control *control) { m_members[index] = control; }

    Control *operator()(int index) const
    {
        const auto member = m_members.find(index);
        if (member == m_members.end())
            platform::raise(platform::ControlArrayElementMissing);
        return member->second;
    }

private:
    std::map<int, Control *> m_members;
};

#endif
