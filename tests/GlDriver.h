#pragma once
// Mesa keeps a few allocations for the life of its driver and unloads the
// driver when the last context goes. A leak checker running after that sees
// them with no module to name, so no suppression can match. Pinning the
// loaded driver keeps its name on them.
#include <dlfcn.h>
#include <link.h>

#include <cstring>

inline void pinGlDriver() {
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *) {
            const char *name = info->dlpi_name;
            if (name && std::strstr(name, "_dri.so"))
                dlopen(name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
}
