#include "EmbeddedResources.h"

#include <cstring>

const EmbeddedResource* FindEmbeddedResource(const char* name) {
    for (const EmbeddedResource* r = kEmbeddedResources; r->name != nullptr; ++r) {
        if (std::strcmp(r->name, name) == 0) {
            return r;
        }
    }
    return nullptr;
}
