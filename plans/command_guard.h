#pragma once

#include <functional>
#include <utility>

// One command at a time on the calculator form. A print command holds the
// guard from its first read of the form until its last preview has closed,
// a target search while it writes its trial values. While the guard is held
// the print menu is disabled and a print command asked for does not start,
// so no command changes the form under another one.
//
// Holds nest: a search that a print command runs itself (the payout phase of
// the savings plan) holds the guard once more, so a search must hold it,
// not refuse to start when it is held. Header-only and free of Qt, so the
// headless form model can own it.
class CommandGuard {
public:
    class Hold {
    public:
        explicit Hold(CommandGuard& guard)
            : m_guard(guard)
        {
            m_guard.change(+1);
        }
        ~Hold() { m_guard.change(-1); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        CommandGuard& m_guard;
    };

    bool busy() const { return m_holds > 0; }

    // Told when the guard becomes held and when it becomes free again.
    void setBusyChanged(std::function<void(bool busy)> listener) { m_busyChanged = std::move(listener); }

private:
    void change(int delta)
    {
        const bool wasBusy = busy();
        m_holds += delta;
        if (busy() != wasBusy && m_busyChanged)
            m_busyChanged(busy());
    }

    int m_holds = 0;
    std::function<void(bool)> m_busyChanged;
};
