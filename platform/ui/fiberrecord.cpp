// The ucontext back end of Boost.Context (used by the sanitizer build) keeps
// the running fiber's activation record in a per-OS-thread pointer that the
// library is expected to supply; the distribution's library is built for the
// fcontext back end only, so the sanitizer build supplies it here. The first
// call on an OS thread creates the record of that thread's main context.
#if defined(BOOST_USE_UCONTEXT)

#if defined(BOOST_USE_ASAN)
#include <sanitizer/common_interface_defs.h>
#endif

#include <boost/context/fiber.hpp>
#include <memory>

namespace boost::context::detail {

fiber_activation_record*& fiber_activation_record::current() noexcept {
    thread_local std::unique_ptr<fiber_activation_record> mainContext =
        std::make_unique<fiber_activation_record>();
    thread_local fiber_activation_record* running = mainContext.get();
    return running;
}

}  // namespace boost::context::detail

#endif
