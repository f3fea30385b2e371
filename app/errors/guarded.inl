// The error tail every guarded handler ends in (included by frm_splitter.h).
#include <new>
#include <stdexcept>

#include "platform/runtime_error.h"

template <class Body>
void frmSplitter::guarded(const char* procedure, AfterReport after, Body&& body) {
    int line = 0;
    try {
        body(line);
    } catch (const platform::RuntimeError& e) {
        errorTail(procedure, after, e.number(), e.description(), line);
    } catch (const std::bad_alloc&) {
        errorTail(procedure, after, 7, "Out of memory", line);
    } catch (const std::logic_error&) {
        errorTail(procedure, after, platform::kInvalidCall, platform::RuntimeError::describe(platform::kInvalidCall),
                  line);
    }
}
