#pragma once
// A window that lives for the rest of the run once it exists, but is created
// only when something first reaches it: a window the start would otherwise
// build and never show costs nothing until it is used.
//
// It is reached as a pointer to the window is (w->..., if (w), T *p = w):
// null until the start has made it available (enable), the window after. It
// can be pointed at another window (tests put one of their own in its place;
// nullptr goes back to the program's own, or to none before the start).

template <class T>
class PermanentWindow
{
public:
    using Create = T *(*)();
    using Free = void (*)(T *);

    PermanentWindow(Create create, Free free)
        : m_create(create)
        , m_free(free)
    {
    }
    PermanentWindow(const PermanentWindow &) = delete;
    PermanentWindow &operator=(const PermanentWindow &) = delete;

    // The window, created now when it does not exist yet; null while the
    // start has not made it available.
    T *get() const
    {
        if (!m_current && m_enabled) {
            if (!m_own)
                m_own = m_create();
            m_current = m_own;
        }
        return m_current;
    }
    T *operator->() const { return get(); }
    operator T *() const { return get(); }

    PermanentWindow &operator=(T *window)
    {
        m_current = window;
        return *this;
    }

    // The start makes the window available: from now on reaching it
    // creates it.
    void enable() { m_enabled = true; }

    // True once the program's own window has been created.
    bool created() const { return m_own != nullptr; }

    // Frees the program's own window, if it was created, and makes it
    // unavailable again (the end of the run).
    void release()
    {
        m_enabled = false;
        if (m_current == m_own)
            m_current = nullptr;
        T *own = m_own;
        m_own = nullptr;
        if (own)
            m_free(own);
    }

private:
    Create m_create;
    Free m_free;
    bool m_enabled = false;
    mutable T *m_own = nullptr;     // created by get(), freed by release()
    mutable T *m_current = nullptr; // the window reached: m_own, or one put in its place
};
