#include "core/features/keys/RandomSource.h"

#include <cerrno>
#include <stdexcept>
#include <sys/random.h>

namespace morvelan::keys {

RandomSource systemRandomSource() {
    return [](std::span<std::uint8_t> out) {
        // A read may stop short when a signal arrives; the rest is asked for again.
        while (!out.empty()) {
            const ssize_t got = getrandom(out.data(), out.size(), 0);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                throw std::runtime_error("no random bytes from the system");
            }
            out = out.subspan(static_cast<std::size_t>(got));
        }
    };
}

} // namespace morvelan::keys
