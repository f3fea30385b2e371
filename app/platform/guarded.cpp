#include "platform/guarded.h"

#include <new>
#include <stdexcept>

#include "platform/runtime_error.h"

namespace platform {

namespace {
// The running guarded bodies, innermost first; one user-interface thread.
struct Frame {
    int step;
    Frame* outer;
};
Frame* innermost = nullptr;
}  // namespace

void step(int number) {
    if (innermost) innermost->step = number;
}

void guarded(const std::function<void()>& body, const FailureTail& tail) {
    Frame frame{0, innermost};
    innermost = &frame;
    struct Leave {
        Frame& frame;
        ~Leave() { innermost = frame.outer; }
    } leave{frame};
    long number = 0;
    std::string description;
    try {
        body();
        return;
    } catch (const RuntimeError& e) {
        number = e.number();
        description = e.description();
    } catch (const std::bad_alloc&) {
        number = 7;
        description = "Out of memory";
    } catch (const std::logic_error&) {
        number = kInvalidCall;
        description = RuntimeError::describe(kInvalidCall);
    }
    innermost = frame.outer;
    tail(number, description, frame.step);
}

}  // namespace platform
