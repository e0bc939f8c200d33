#pragma once

#include <functional>
#include <utility>

// One command at a time for a report and its preview windows. Generation,
// export, printing and printer setup hold it while they run; they let
// pending events through (the windows stay usable), so a second command
// asked for meanwhile must not start: it would run under the first one's
// pages, paper or file. While the state is held the windows disable their
// commands that would start another; a command asked for anyway finds the
// state taken and does nothing.
class TBVCommandState {
public:
    // Takes the state for one command, when it is free.
    class Hold {
    public:
        explicit Hold(TBVCommandState& state)
            : m_state(state.m_held ? nullptr : &state)
        {
            if (m_state)
                m_state->change(true);
        }
        ~Hold()
        {
            if (m_state)
                m_state->change(false);
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

        // False when another command held the state: this one must not start.
        bool taken() const { return m_state != nullptr; }

    private:
        TBVCommandState* m_state;
    };

    bool held() const { return m_held; }

    // Told whenever the state is taken or given back.
    void setChanged(std::function<void()> listener) { m_changed = std::move(listener); }

private:
    void change(bool held)
    {
        m_held = held;
        if (m_changed)
            m_changed();
    }

    bool m_held = false;
    std::function<void()> m_changed;
};
