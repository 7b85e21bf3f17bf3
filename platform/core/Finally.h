#pragma once
// Runs a closing step when a scope ends, on every path: EndLayout, EnableControls, a restored
// record. When an error is already on its way, an error of the closing step is dropped so that
// the first one reaches the caller.
#include <exception>
#include <utility>

template <class F>
class Finally {
public:
    explicit Finally(F step) : step_(std::move(step)) {}
    ~Finally() noexcept(false)
    {
        if (std::uncaught_exceptions() == exceptions_) {
            step_();
            return;
        }
        try {
            step_();
        } catch (...) {
        }
    }
    Finally(const Finally&) = delete;
    Finally& operator=(const Finally&) = delete;

private:
    F step_;
    int exceptions_ = std::uncaught_exceptions();
};
