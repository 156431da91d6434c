#include "SubstringFinder.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
const char* FindWithMemmem(const char* from, const char* end, std::string_view needle) {
    return static_cast<const char*>(
        memmem(from, static_cast<std::size_t>(end - from), needle.data(), needle.size()));
}
} // namespace

const char* CSubstringFinder::Find(const char* from, const char* end) const {
    const std::size_t n = m_needle.size();
    if (from >= end || static_cast<std::size_t>(end - from) < n) {
        return nullptr;
    }
    if (n < 2) {
        return n == 0 ? from
                      : static_cast<const char*>(
                            std::memchr(from, m_needle[0], static_cast<std::size_t>(end - from)));
    }
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(m_needle[0]);
    const __m128i last = _mm_set1_epi8(m_needle[n - 1]);
    const char* p = from;
    // Each step reads 16 bytes at p and 16 at p + n - 1; both stay before `end`.
    for (; end - p >= static_cast<std::ptrdiff_t>(n + 15); p += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 1));
        auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
        while (mask != 0) {
            const char* candidate = p + __builtin_ctz(mask);
            if (std::memcmp(candidate + 1, m_needle.data() + 1, n - 2) == 0) {
                return candidate;
            }
            mask &= mask - 1;
        }
    }
    return FindWithMemmem(p, end, m_needle);
#else
    return FindWithMemmem(from, end, m_needle);
#endif
}
