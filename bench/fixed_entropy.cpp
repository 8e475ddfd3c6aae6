// Preloaded into the programs whose start-up instructions are counted, so
// that a count does not change from run to run with random salts: the XML
// parser fontconfig reads its configuration with salts its hash tables from
// arc4random_buf, and a different salt walks the tables differently. Every
// run gets the same bytes instead. (Qt's own hash seed is fixed by
// QT_HASH_SEED=0.)

#include <cstddef>
#include <cstring>

#include <sys/types.h>

namespace {
void fill(void *buffer, std::size_t length)
{
    std::memset(buffer, 0x5A, length);
}
} // namespace

extern "C" {
__attribute__((visibility("default"))) void arc4random_buf(void *buffer, std::size_t length)
{
    fill(buffer, length);
}

__attribute__((visibility("default"))) ssize_t getrandom(void *buffer, std::size_t length, unsigned int)
{
    fill(buffer, length);
    return static_cast<ssize_t>(length);
}
}
