#include "LineFeedIndex.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

void IndexLineFeeds(std::string_view text, std::vector<std::size_t>& positions) {
    positions.clear();
    const char* const base = text.data();
    const std::size_t size = text.size();
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i feed = _mm_set1_epi8('\n');
    for (; i + 16 <= size; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + i));
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, feed)));
        while (mask != 0) {
            positions.push_back(i + static_cast<std::size_t>(__builtin_ctz(mask)));
            mask &= mask - 1;
        }
    }
#endif
    while (i < size) {
        const void* nl = std::memchr(base + i, '\n', size - i);
        if (nl == nullptr) {
            break;
        }
        i = static_cast<std::size_t>(static_cast<const char*>(nl) - base);
        positions.push_back(i++);
    }
}
