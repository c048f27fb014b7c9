#include "AllocationBudget.h"

#include <sanitizer/allocator_interface.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

// Room for the toolkit's and the standard library's own small allocations.
const std::size_t kFixedAllowance = 1 << 20;

std::atomic<bool> g_watching{false};
std::atomic<long long> g_current{0};
std::atomic<long long> g_peak{0};

void OnMalloc(const volatile void*, std::size_t size) {
    if (!g_watching.load(std::memory_order_relaxed)) {
        return;
    }
    const long long now =
        g_current.fetch_add(static_cast<long long>(size)) + static_cast<long long>(size);
    long long peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
}

void OnFree(const volatile void* pointer) {
    if (!g_watching.load(std::memory_order_relaxed) || pointer == nullptr) {
        return;
    }
    // Blocks allocated before Start count as freed too: the peak can only be lower then.
    g_current.fetch_sub(
        static_cast<long long>(__sanitizer_get_allocated_size(const_cast<const void*>(pointer))));
}

struct HookInstaller {
    HookInstaller() { __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree); }
};
HookInstaller g_installer;

} // namespace

namespace AllocationBudget {

void Start() {
    g_current = 0;
    g_peak = 0;
    g_watching = true;
}

void Check(std::size_t inputSize, std::size_t factor, std::size_t extra) {
    g_watching = false;
    const long long allowed = static_cast<long long>(inputSize * factor + kFixedAllowance + extra);
    if (g_peak.load() > allowed) {
        std::fprintf(stderr,
                     "allocation budget exceeded: %lld bytes at the peak for %zu bytes "
                     "of input (allowed %lld)\n",
                     g_peak.load(), inputSize, allowed);
        std::abort();
    }
}

} // namespace AllocationBudget
