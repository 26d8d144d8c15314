#pragma once

#include <functional>
#include <utility>

// A window that is built when it is first used: reading it through `->` or as a
// pointer builds it, once, with the function it was given. Empty (a null pointer)
// when it was given none.
template <typename Form>
class LazyForm {
public:
    LazyForm() = default;
    explicit LazyForm(std::function<Form *()> build) : m_build(std::move(build)) {}

    Form *get() const
    {
        if (!m_form && m_build)
            m_form = m_build();
        return m_form;
    }
    Form *operator->() const { return get(); }
    operator Form *() const { return get(); }

    bool IsBuilt() const { return m_form != nullptr; }

private:
    std::function<Form *()> m_build;
    mutable Form *m_form = nullptr;
};
