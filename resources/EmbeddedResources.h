#pragma once
#include <cstddef>

// One image compiled into the program: a PNG file's bytes under the file's base name.
struct EmbeddedResource {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

// Table ending with a null name.
extern const EmbeddedResource kEmbeddedResources[];

// The resource of that name, or nullptr.
const EmbeddedResource* FindEmbeddedResource(const char* name);
